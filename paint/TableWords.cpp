#include "paint/TableWords.h"

#include <cstring>

#include "engine/VantrelGame.h"

namespace vantrel::TableWords {

QList<Place> Places(const CardMetrics& cards)
{
    const int w = cards.width;
    const int small = SmallTextSize;
    const int hands = CellX(FirstHandColumn, w);
    const int prompt = CellX(DeckColumn, w) + PromptTextIndent;
    const int promptFrame = CellX(DeckColumn, w) + w + PromptOutsetRightBottom - 1;
    // The panel's and the Top 5 box's outlines take their last column.
    QList<Place> places{{TheCut, small, CutLabelX, hands},
                        {Play, small, PlayLabelX, hands},
                        {Round, small, PanelLabelX(w), PanelRoundX(w, 1)},
                        {Score, small, PanelLabelX(w), PanelRoundX(w, 1)},
                        {Total, small, PanelTotalX(w), PanelBoxRight(w) - 1},
                        {TopHeading, LargeTextSize, TopNameX, TopBoxRight - 1},
                        {Resume, LargeTextSize, TopNameX, TopBoxRight - 1},
                        {Win, LargeTextSize, BannerTextInset, BannerTileWidth},
                        {NextRound, small, prompt, promptFrame},
                        {NextGame, small, prompt, promptFrame}};
    // A rank ends inside the right corner and stays clear of the suit picture at the
    // left, which ends where the widest, the clubs, starts from the right.
    for (const char* rank : {Ace, Jack, Queen, King}) {
        places.append({rank, cards.rankFontSize, ClubsRightInset, w - RankInsetX});
    }
    return places;
}

Place PlaceOf(const char* word, const CardMetrics& cards)
{
    for (const Place& place : Places(cards)) {
        // By text: each file may hold its own copy of a word's literal.
        if (std::strcmp(place.word, word) == 0) {
            return place;
        }
    }
    return {word, SmallTextSize, 0, 0};
}

}  // namespace vantrel::TableWords
