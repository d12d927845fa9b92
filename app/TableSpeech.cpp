// The table for players who do not see it: the places a screen reader reads, the
// keyboard's place and what acting on it does, and what every action came to, told
// to the screen reader on the place the keyboard is on.
#include <QAccessible>

#include "app/VantrelForm.h"
#include "paint/PaintBox.h"
#include "paint/TableNarration.h"
#include "paint/TablePlaces.h"

namespace vantrel {

namespace {

// Where a click acts on a place: its middle, but for the score panel, whose middle
// lies in a hand's band; there the panel's labels, where a click does nothing.
QPoint ClickPoint(const TablePlace& place, int cardWidth, int cardHeight)
{
    switch (place.kind) {
        case PlaceKind::Deck:
            return {CellX(DeckColumn, cardWidth) + cardWidth / 2,
                    CellY(1, StandardRowPitch) + cardHeight / 2};
        case PlaceKind::Scores:
            return {PanelLabelX(cardWidth), place.area.center().y()};
        default:
            return place.area.center();
    }
}

}  // namespace

void TVantrelForm::ConnectTableAccess()
{
    TableAccess& access = paintBox->access();
    access.SetPlacesSource([this] {
        return DescribeTable(*this, TopScores(), {CardWidth, CardHeight, RankFontSize},
                             paintBox->width());
    });
    access.SetActivation([this](int place) { RunHandler([=, this] { ActOnPlace(place); }); });
}

void TVantrelForm::ActOnPlace(int place)
{
    const std::vector<TablePlace> places = paintBox->access().Places();
    if (place < 0 || place >= static_cast<int>(places.size())) {
        return;
    }
    const QPoint at = ClickPoint(places[static_cast<std::size_t>(place)], CardWidth, CardHeight);
    PaintBoxMouseDown(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
    PaintBoxMouseUp(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
}

void TVantrelForm::MoveTableFocus(int key)
{
    const int focus = paintBox->access().Focus();
    switch (key) {
        case Qt::Key_Left:
            paintBox->MoveFocus(focus - 1);
            break;
        case Qt::Key_Right:
            paintBox->MoveFocus(focus + 1);
            break;
        case Qt::Key_Home:
            paintBox->MoveFocus(0);
            break;
        default:
            paintBox->MoveFocus(FocusPlaces - 1);
            break;
    }
}

// A refused placement is told by why; anything else by what changed. Nothing is put
// into words while no screen reader listens.
void TVantrelForm::AnnounceOutcome(const TableMoment& before)
{
    if (!QAccessible::isActive()) {
        return;
    }
    const QString text = refusedColumn_ != 0 ? RefusalInWords(*this, refusedColumn_)
                                             : NarrateAction(before, *this, TopScores());
    if (!text.isEmpty()) {
        paintBox->Announce(text);
    }
    paintBox->ReportPlaces();
}

}  // namespace vantrel
