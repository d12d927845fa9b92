// The keyboard's mark on the table, read from what the surface shows on the screen: none
// for a player who has not moved the focus with the keys, then a frame around the
// place the keyboard is on, drawn over the table and never into the table's image.
#include <QAccessible>
#include <QtTest>

#include <memory>

#include "TableFixture.h"
#include "paint/PaintBox.h"
#include "paint/TablePlaces.h"

using vantrel::PaintBox;

class FocusMarkTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TableFixture> table_;

    QImage Shown() { return table_->Box().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QRect Area(int place) const
    {
        return table_->Box().access().Places()[static_cast<std::size_t>(place)].area;
    }

private slots:
    void init()
    {
        table_ = std::make_unique<TableFixture>();
        QVERIFY2(table_->Exposed(), "the drawing surface was not exposed");
        table_->Box().access().SetPlacesSource([this] {
            return vantrel::DescribeTable(table_->Game(), table_->top, vantrel::RegularCardMetrics,
                                          table_->Box().width());
        });
        table_->Game().NewGame();
        table_->Repaint();
    }
    void cleanup() { table_.reset(); }

    void markFramesTheFocusedPlaceOnlyAfterTheKeysMovedIt()
    {
        const QImage table = table_->Surface().copy();
        const QImage unmarked = Shown();
        QCOMPARE(unmarked, table.convertToFormat(QImage::Format_RGB32));
        for (const int place : {1, 7}) {  // Hand 1, then the score panel
            table_->Box().MoveFocus(place);
            const QImage marked = Shown();
            const QRect area = Area(place);
            int black = 0;
            int white = 0;
            for (int y = 0; y < marked.height(); ++y) {
                for (int x = 0; x < marked.width(); ++x) {
                    const QColor now = marked.pixelColor(x, y);
                    if (now == unmarked.pixelColor(x, y)) continue;
                    // Every changed pixel lies in a thin frame just outside the place.
                    QVERIFY2(area.adjusted(-2, -2, 2, 2).contains(x, y) &&
                                 !area.adjusted(1, 1, -1, -1).contains(x, y),
                             qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                    black += now == Qt::black;
                    white += now == Qt::white;
                }
            }
            QVERIFY2(black > 2 * area.width() && white > 2 * area.width(),
                     qPrintable(QStringLiteral("%1 black, %2 white").arg(black).arg(white)));
            // Black around white, so that the mark shows on the felt, panel and cards alike.
            QCOMPARE(marked.pixelColor(area.left() - 2, area.center().y()), QColor(Qt::black));
            QCOMPARE(marked.pixelColor(area.left() - 1, area.center().y()), QColor(Qt::white));
            QCOMPARE(table_->Surface(), table);
        }
        table_->Box().MoveFocus(0);
        QCOMPARE(Shown().copy(Area(7).adjusted(-2, -2, 2, 2)),
                 unmarked.copy(Area(7).adjusted(-2, -2, 2, 2)));
    }

    // A screen reader asking what lies at a point finds the Top 5 list where it covers
    // a hand, and reads the cut card as a picture.
    void screenReaderFindsThePlaceOnTop()
    {
        table_->Game().HighScoreView = vantrel::True;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&table_->Box());
        const QPoint overHand = table_->Box().mapToGlobal(Area(1).center());
        QCOMPARE(table->childAt(overHand.x(), overHand.y())->text(QAccessible::Name), "Top 5");
        QCOMPARE(table->child(6)->role(), QAccessible::Graphic);
    }
};

QTEST_MAIN(FocusMarkTest)
#include "test_focus_mark.moc"
