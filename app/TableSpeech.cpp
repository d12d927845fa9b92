// The table for players who do not see it: the places a screen reader reads, the
// keyboard's place and what acting on it does, and what every action came to, told
// to the screen reader on the place the keyboard is on.
#include <algorithm>

#include "app/VantrelForm.h"
#include "paint/PaintBox.h"
#include "paint/Speech.h"
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

// The keys stop at the first and the last place, and say so, rather than going
// round: a listener then always knows where the keyboard is.
void TVantrelForm::MoveTableFocus(int step)
{
    const int focus = paintBox->access().Focus();
    const int target = std::clamp(focus + step, 0, FocusPlaces - 1);
    if (target != focus) {
        paintBox->MoveFocus(target);
        return;
    }
    const std::vector<TablePlace> places = paintBox->access().Places();
    if (focus < static_cast<int>(places.size())) {
        const QString& name = places[static_cast<std::size_t>(focus)].name;
        SayOnRequest(step < 0 ? Speech::tr("%1 is the first place.").arg(name)
                              : Speech::tr("%1 is the last place.").arg(name));
    }
}

QString TVantrelForm::KeysInWords()
{
    //: The keys S and H stay S and H in every language
    return Speech::tr(
        "Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home "
        "and End to the first and the last. Space or Return acts on the place: on the deck "
        "it starts a game or the next round, on a hand it places the card there. 1 to 4 "
        "place the card in that hand from anywhere. S tells where the game stands, H these "
        "keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.");
}

// Nothing is put into words while no screen reader listens.
void TVantrelForm::AnnounceOutcome()
{
    if (!paintBox->access().Listening()) {
        return;
    }
    QString text = requestedWords_;
    if (text.isEmpty()) {
        text = refusedColumn_ != 0 ? RefusalInWords(*this, refusedColumn_)
                                   : NarrateAction(handlerStart_, *this, TopScores());
    }
    requestedWords_.clear();
    refusedColumn_ = 0;
    handlerStart_ = MomentOf(*this);
    if (!text.isEmpty()) {
        paintBox->Announce(text);
    }
    paintBox->ReportPlaces();
}

}  // namespace vantrel
