// The window's painting operations: each hands the game, the options' look and, where
// the Top 5 view may show, the list to the table painter.
#include "app/VantrelForm.h"
#include "paint/PaintBox.h"

namespace vantrel {

Canvas& TVantrelForm::canvas() { return paintBox->canvas(); }

TableLook TVantrelForm::Look() const
{
    return TableLook{{CardWidth, CardHeight, RankFontSize}, CardBack, FeltColour, PanelColour};
}

TablePainter TVantrelForm::Painter() { return TablePainter(canvas(), *this, Look(), pictures); }

void TVantrelForm::DrawCell(int cellCode, int column, int row)
{
    Painter().DrawCell(cellCode, column, row);
}

void TVantrelForm::PaintBoxPaint() { Painter().PaintBoxPaint(TopScores()); }

void TVantrelForm::DrawBoard() { Painter().DrawBoard(TopScores()); }

void TVantrelForm::DrawDeckPile() { Painter().DrawDeckPile(); }

void TVantrelForm::DrawTable() { Painter().DrawTable(); }

void TVantrelForm::DrawPanelBox() { Painter().DrawPanelBox(); }

void TVantrelForm::DrawScorePanel() { Painter().DrawScorePanel(); }

void TVantrelForm::DrawHighScores() { Painter().DrawHighScores(TopScores()); }

void TVantrelForm::DrawWinBanner() { Painter().DrawWinBanner(); }

}  // namespace vantrel
