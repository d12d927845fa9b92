// The drawing surface at a device pixel ratio of 2: the image has twice the pixels
// in each direction while every coordinate stays a logical pixel of the table. A
// second, wider screen at a ratio of 3 lies to the right of the first.
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "paint/Canvas.h"
#include "paint/PaintBox.h"

namespace {

const QColor Felt(0, 128, 0);
const QColor Ink(0, 0, 255);
// A wait that runs out fails its case at once, far short of the suite's limit.
constexpr int WaitMilliseconds = 5000;

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
        QVERIFY2(QTest::qWaitForWindowExposed(&box, WaitMilliseconds),
                 "the surface was not exposed");
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

    // Moved to the other screen, the table is painted afresh at that screen's ratio,
    // and the WIN banner spans that screen.
    void movingToAScreenOfAnotherScaleRepaintsSharp()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QScreen* second = QGuiApplication::screens().at(1);
        vantrel::PaintBox box;
        box.SetFeltColour(Felt);
        box.resize(40, 30);
        int paints = 0;
        box.SetPaintHandler([&] {
            ++paints;
            box.canvas().SetBrushColour(Ink);
            box.canvas().FillRect(10, 10, 20, 20);
        });
        box.move(100, 100);
        box.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&box, WaitMilliseconds),
                 "the surface was not exposed");
        QTRY_COMPARE_WITH_TIMEOUT(box.Surface().devicePixelRatio(), 2.0, WaitMilliseconds);
        const int paintsBefore = paints;
        box.windowHandle()->setScreen(second);
        box.move(second->geometry().topLeft() + QPoint(100, 100));
        QTRY_COMPARE_WITH_TIMEOUT(box.Surface().devicePixelRatio(), 3.0, WaitMilliseconds);
        QVERIFY(paints > paintsBefore);
        const QImage& s = box.Surface();
        QCOMPARE(s.size(), QSize(120, 90));
        QCOMPARE(s.pixelColor(30, 30), Ink);
        QCOMPARE(s.pixelColor(59, 59), Ink);
        QCOMPARE(s.pixelColor(29, 30), Felt);
        QCOMPARE(s.pixelColor(60, 59), Felt);
        QCOMPARE(box.ScreenWidth(), second->geometry().width());
    }

    void mousePositionsAreLogicalPixels()
    {
        vantrel::PaintBox box;
        box.resize(40, 30);
        box.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&box, WaitMilliseconds),
                 "the surface was not exposed");
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
    QTemporaryDir folder;
    QFile screens(folder.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) || screens.write(R"({"screens": [
            {"name": "first", "x": 0, "y": 0, "width": 800, "height": 600, "dpr": 2},
            {"name": "second", "x": 800, "y": 0, "width": 1600, "height": 1200, "dpr": 3}]})") <
                                                   0) {
        return 1;
    }
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
