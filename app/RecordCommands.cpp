// The stored record and the top-five list. Until the store is in place the record
// lives in memory only and starts from its defaults.
#include "app/VantrelForm.h"

namespace vantrel {

void TVantrelForm::LoadRecord() { Record.SetRecordDefaults(); }

void TVantrelForm::SaveRecord() {}

void TVantrelForm::CheckHighScore()
{
    FinalTotal = GameTotal();
    SaveRecord();
    DrawBoard();
}

void TVantrelForm::MenuOptionsResetHighItemClick() {}

void TVantrelForm::MenuGameHighScoresItemClick()
{
    LoadRecord();
    DrawHighScores();
}

}  // namespace vantrel
