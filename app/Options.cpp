// The card-size and colour options, and "&Quit", which stores them.
#include <QAction>
#include <QPalette>

#include "app/VantrelForm.h"
#include "paint/PaintBox.h"

namespace vantrel {

void TVantrelForm::ApplyStoredOptions()
{
    MenuOptionsSetLargeCards->setChecked(Record().LargeCards() != 0);
    MenuOptionsAltColorsItem->setChecked(Record().AltColors() != 0);
    if (Record().LargeCards() != 0) {
        SetLargeCards();
    } else {
        SetRegularCards();
    }
    if (Record().AltColors() != 0) {
        SetAltColors();
    } else {
        SetNormalColors();
    }
}

void TVantrelForm::SetLargeCards()
{
    ApplyCardMetrics(LargeCardMetrics, pictures.LCBmp, LargeCardsWindowWidth);
}

void TVantrelForm::SetRegularCards()
{
    ApplyCardMetrics(RegularCardMetrics, pictures.RCBmp, RegularCardsWindowWidth);
}

// One row of the card-size table. Setting the window size resizes the surface at once;
// nothing is repainted and the check mark is left to the caller.
void TVantrelForm::ApplyCardMetrics(const CardMetrics& metrics, const QImage& back, int windowWidth)
{
    CardWidth = metrics.width;
    CardHeight = metrics.height;
    CardBack = &back;
    RankFontSize = metrics.rankFontSize;
    SetOuterSize(windowWidth, WindowHeight);
}

void TVantrelForm::MenuOptionsSetLargeCardsClick()
{
    if (MenuOptionsSetLargeCards->isChecked()) {
        MenuOptionsSetLargeCards->setChecked(false);
        SetRegularCards();
    } else {
        MenuOptionsSetLargeCards->setChecked(true);
        SetLargeCards();
    }
    RepaintTable();
}

void TVantrelForm::SetAltColors()
{
    MenuOptionsAltColorsItem->setChecked(true);
    ApplyColours(AlternateColours);
}

void TVantrelForm::SetNormalColors()
{
    MenuOptionsAltColorsItem->setChecked(false);
    ApplyColours(NormalColours);
}

void TVantrelForm::SetAltColorClick()
{
    if (MenuOptionsAltColorsItem->isChecked()) {
        SetNormalColors();
    } else {
        SetAltColors();
    }
}

void TVantrelForm::ApplyColours(const ColourScheme& colours)
{
    FeltColour = colours.felt;
    PanelColour = colours.panel;
    // A new background colour repaints the whole window, the table included.
    QPalette palette = ClientArea->palette();
    palette.setColor(QPalette::Window, ColourOf(FeltColour));
    ClientArea->setPalette(palette);
    paintBox->SetFeltColour(ColourOf(FeltColour));
}

void TVantrelForm::MenuGameExitItemClick()
{
    // Only the flags go into the record as the store holds it now; the list and the
    // last name stay as other copies may have left them.
    const std::uint8_t playRegGame = MenuOptionsPlayRegGameItem->isChecked() ? 1 : 0;
    const std::uint8_t altColors = MenuOptionsAltColorsItem->isChecked() ? 1 : 0;
    const std::uint8_t largeCards = MenuOptionsSetLargeCards->isChecked() ? 1 : 0;
    SaveRecord([=](StoredRecord& record) {
        record.SetPlayRegGame(playRegGame);
        record.SetAltColors(altColors);
        record.SetLargeCards(largeCards);
    });  // a save that cannot be made ends the command here: the window stays open
    close();
}

}  // namespace vantrel
