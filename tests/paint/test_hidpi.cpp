// The drawing surface at a device pixel ratio of 2: the image has twice the pixels
// in each direction while every coordinate stays a logical pixel of the table.
#include <QtTest>

#include "paint/Canvas.h"
#include "paint/PaintBox.h"

namespace {

const QColor Felt(0, 128, 0);
const QColor Ink(0, 0, 255);

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void surfaceIsSharpAtTheScreensRatio()
    {
        vantrel::PaintBox box;
        box.SetFeltColour(Felt);
        box.resize(40, 30);
        box.SetPaintHandler([&] {
            box.canvas().SetBrushColour(Ink);
            box.canvas().FillRect(10, 10, 20, 20);
        });
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.devicePixelRatioF(), 2.0);
        box.Invalidate();
        box.PaintPendingRequest();
        const QImage& s = box.Surface();
        QCOMPARE(s.size(), QSize(80, 60));
        QCOMPARE(s.devicePixelRatio(), 2.0);
        QCOMPARE(s.pixelColor(20, 20), Ink);
        QCOMPARE(s.pixelColor(39, 39), Ink);
        QCOMPARE(s.pixelColor(19, 20), Felt);
        QCOMPARE(s.pixelColor(40, 39), Felt);
        QCOMPARE(s.pixelColor(79, 59), Felt);
    }

    void mousePositionsAreLogicalPixels()
    {
        vantrel::PaintBox box;
        box.resize(40, 30);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QPoint down;
        QPoint up;
        box.SetMouseHandlers(
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                down = {x, y};
            },
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                up = {x, y};
            });
        QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(11, 7));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(31, 23));
        QCOMPARE(down, QPoint(11, 7));
        QCOMPARE(up, QPoint(31, 23));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
