// The drawing surface on its own: rectangle conventions, the rounded rectangle,
// opaque aliased text, clipping, pictures, the table font, and paint requests.
#include <QtTest>

#include <QFontInfo>

#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "paint/TableFont.h"

using vantrel::Canvas;

namespace {

const QColor Paper(200, 200, 200);
const QColor Ink(0, 0, 255);
const QColor Brush(255, 255, 0);
const QColor Pen(0, 0, 0);
// A wait that runs out fails its case at once, far short of the suite's limit.
constexpr int WaitMilliseconds = 5000;

QImage BlankImage(int w = 60, int h = 60)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Paper);
    return image;
}

int Count(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

int Area(const QRect& r) { return r.width() * r.height(); }

}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT

private slots:
    void fillAndFrameExcludeRightAndBottomEdges()
    {
        QImage image = BlankImage();
        QList<QRect> shown;
        Canvas canvas(image, [&](const QRect& r) { shown.append(r); });
        canvas.SetBrushColour(Brush);
        canvas.FillRect(5, 6, 15, 20);
        canvas.SetBrushColour(Pen);
        canvas.FrameRect(30, 30, 40, 45);
        canvas.End();
        QCOMPARE(Count(image, QRect(5, 6, 10, 14), Brush), 140);
        QCOMPARE(Count(image, QRect(4, 5, 12, 16), Brush), 140);
        const QRect frame(30, 30, 10, 15);
        QCOMPARE(Count(image, frame, Pen), 2 * 10 + 2 * 13);
        QCOMPARE(Count(image, frame.adjusted(1, 1, -1, -1), Paper), 8 * 13);
        QCOMPARE(image.pixelColor(40, 35), Paper);
        QCOMPARE(image.pixelColor(35, 45), Paper);
        // Each operation shows exactly the rectangle it painted.
        QCOMPARE(shown, (QList<QRect>{QRect(5, 6, 10, 14), frame}));
    }

    void roundRectKeepsItsOutlineInsideAndRoundsTheCorners()
    {
        QImage image = BlankImage(120, 80);
        Canvas canvas(image, {});
        canvas.SetPenColour(Pen);
        canvas.SetBrushColour(Brush);
        canvas.RoundRect(10, 10, 110, 70, 25, 25);
        canvas.End();
        QCOMPARE(image.pixelColor(60, 10), Pen);
        QCOMPARE(image.pixelColor(60, 69), Pen);
        QCOMPARE(image.pixelColor(10, 40), Pen);
        QCOMPARE(image.pixelColor(109, 40), Pen);
        QCOMPARE(image.pixelColor(110, 40), Paper);
        QCOMPARE(image.pixelColor(60, 70), Paper);
        QCOMPARE(image.pixelColor(60, 40), Brush);
        QCOMPARE(image.pixelColor(11, 40), Brush);
        // The corners are cut by a quarter of a 25-pixel circle.
        for (const QPoint corner :
             {QPoint(10, 10), QPoint(109, 10), QPoint(10, 69), QPoint(109, 69)}) {
            QCOMPARE(image.pixelColor(corner), Paper);
        }
        QCOMPARE(image.pixelColor(12, 12), Paper);
        QCOMPARE(image.pixelColor(16, 16), Brush);
        // The outline is one pixel wide: nothing but pen, brush and paper.
        const QRect all = image.rect();
        QCOMPARE(Count(image, all, Pen) + Count(image, all, Brush) + Count(image, all, Paper),
                 Area(all));
    }

    void textIsOpaqueOnTheBrushAndAliased()
    {
        QImage image = BlankImage(120, 40);
        Canvas canvas(image, {});
        canvas.SetFontSize(12);
        canvas.SetFontColour(Ink);
        canvas.SetBrushColour(Brush);
        const QString text = QStringLiteral("K 10 Q");
        const QRect box(7, 5, canvas.TextWidth(text), canvas.TextHeight(text));
        QCOMPARE(box.height(), QFontMetrics(vantrel::TableFont(12)).height());
        canvas.TextOut(7, 5, text);
        canvas.End();
        const int ink = Count(image, box, Ink);
        QVERIFY(ink > 20);
        // Two colours only: no smoothed edges.
        QCOMPARE(ink + Count(image, box, Brush), Area(box));
        QCOMPARE(Count(image, image.rect(), Paper), Area(image.rect()) - Area(box));
    }

    void textRectFillsItsRectangleAndClipsTheText()
    {
        QImage image = BlankImage(120, 40);
        Canvas canvas(image, {});
        canvas.SetFontSize(16);
        canvas.SetFontColour(Ink);
        canvas.SetBrushColour(Brush);
        const QRect clip(10, 10, 20, 12);
        canvas.TextRect(10, 10, 30, 22, 12, 8, QStringLiteral("WWWWWW"));
        canvas.End();
        QVERIFY(Count(image, clip, Ink) > 0);
        QCOMPARE(Count(image, clip, Ink) + Count(image, clip, Brush), Area(clip));
        QCOMPARE(Count(image, image.rect(), Paper), Area(image.rect()) - Area(clip));
    }

    void fontSizesArePointsAtNinetySixDpi()
    {
        QCOMPARE(vantrel::TableFont(10).pixelSize(), 13);
        QCOMPARE(vantrel::TableFont(12).pixelSize(), 16);
        QCOMPARE(vantrel::TableFont(16).pixelSize(), 21);
        const QFontInfo info(vantrel::TableFont(12));
        QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(info.bold());
        QCOMPARE(info.pixelSize(), 16);
        QVERIFY(!QFontInfo(vantrel::RegularTableFont(10)).bold());
    }

    void paintRequestClearsToFeltAndRunsTheHandler()
    {
        vantrel::PaintBox box;
        box.resize(40, 30);
        const QColor felt(0, 128, 0);
        box.SetFeltColour(felt);
        int runs = 0;
        int sizeAtStart = 0;
        QColor brushAtStart;
        box.SetPaintHandler([&] {
            ++runs;
            sizeAtStart = box.canvas().FontSize();
            brushAtStart = box.canvas().BrushColour();
            box.canvas().SetBrushColour(Ink);
            box.canvas().FillRect(0, 0, 5, 5);
        });
        box.canvas().SetFontSize(10);
        box.canvas().SetBrushColour(Brush);
        box.canvas().FillRect(0, 0, 40, 30);
        QVERIFY(box.PaintRequestPending());
        box.PaintPendingRequest();
        QCOMPARE(runs, 1);
        QCOMPARE(sizeAtStart, 16);
        QCOMPARE(brushAtStart, felt);
        QCOMPARE(Count(box.Surface(), QRect(0, 0, 5, 5), Ink), 25);
        QCOMPARE(Count(box.Surface(), box.rect(), felt), 40 * 30 - 25);
        box.PaintPendingRequest();
        QCOMPARE(runs, 1);
        // The same felt colour again asks for nothing; a new one repaints.
        box.SetFeltColour(felt);
        QVERIFY(!box.PaintRequestPending());
        box.SetFeltColour(Paper);
        QVERIFY(box.PaintRequestPending());
        box.resize(50, 20);
        box.PaintPendingRequest();
        QCOMPARE(runs, 2);
        QCOMPARE(box.Surface().size(), QSize(50, 20));
        QCOMPARE(box.Surface().pixelColor(49, 19), Paper);
    }

    void aCopyOfTheSurfaceKeepsWhatItShowed()
    {
        vantrel::PaintBox box;
        box.resize(20, 20);
        box.canvas().SetBrushColour(Brush);
        box.canvas().FillRect(0, 0, 20, 20);
        const QImage before = box.Surface();
        box.canvas().SetBrushColour(Ink);
        box.canvas().FillRect(0, 0, 10, 10);
        QCOMPARE(before.pixelColor(2, 2), Brush);
        QCOMPARE(box.Surface().pixelColor(2, 2), Ink);
    }

    void theWidgetShowsTheSurface()
    {
        vantrel::PaintBox box;
        box.resize(30, 30);
        box.SetFeltColour(Paper);
        box.SetPaintHandler([&] {
            box.canvas().SetBrushColour(Ink);
            box.canvas().FillRect(10, 10, 20, 20);
        });
        box.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&box, WaitMilliseconds),
                 "the surface was not exposed");
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixelColor(15, 15), Ink);
        QCOMPARE(shown.pixelColor(5, 5), Paper);
        // Drawing later, outside any paint request, shows too.
        box.canvas().SetBrushColour(Brush);
        box.canvas().FillRect(0, 0, 5, 5);
        QCoreApplication::processEvents();
        QCOMPARE(box.grab().toImage().pixelColor(2, 2), Brush);
    }
};

QTEST_MAIN(CanvasTest)
#include "test_canvas.moc"
