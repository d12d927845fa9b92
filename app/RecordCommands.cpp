// The stored record and the top-five list as the window uses them: loading and saving
// against the machine store, the end-of-game check with its name prompt, and the two
// commands of the list.
#include "app/VantrelForm.h"

#include "platform/Desktop.h"
#include "store/HighScoreTable.h"
#include "store/RecordStore.h"
#include "store/SingleByteText.h"

namespace vantrel {

namespace {

const char* const ResetTitle = "Confirm";
const char* const ResetQuestion = "Do you really want to reset the High Scores?";

// Stored names are single-byte text; every byte shows as its Latin-1 character.
QString ShownName(const std::string& latin1) { return QString::fromUtf8(Utf8FromLatin1(latin1)); }

// A typed name as the record holds it: composed first, so that a letter typed as a base
// and an accent keeps its single-byte form; anything else without one becomes '?'.
std::string StoredName(const QString& typed)
{
    const QString composed = typed.normalized(QString::NormalizationForm_C);
    return Latin1FromUtf8(composed.toUtf8().toStdString());
}

Registry MachineStore() { return Registry(RegistryRoot::Machine); }

}  // namespace

void TVantrelForm::LoadRecord() { LoadStoredRecord(MachineStore(), Record); }

void TVantrelForm::SaveRecord() { SaveStoredRecord(MachineStore(), Record); }

void TVantrelForm::CheckHighScore()
{
    FinalTotal = GameTotal();
    const int place = FindPlace(Record, FinalTotal);
    MakeRoom(Record, place);
    if (place >= 1) {
        const QString typed = CurrentDesktop().askText(this, QString::fromLatin1(HighScoreTitle),
                                                       QString::fromLatin1(HighScorePrompt),
                                                       ShownName(Record.LastName()));
        EnterScore(Record, place, StoredName(typed), FinalTotal);
    }
    // Saved after every game, entered or not; a refused write ends the check here, so
    // the table is not redrawn.
    SaveRecord();
    DrawBoard();
}

void TVantrelForm::MenuOptionsResetHighItemClick()
{
    if (!CurrentDesktop().confirm(this, QString::fromLatin1(ResetTitle),
                                  QString::fromLatin1(ResetQuestion))) {
        return;
    }
    // Nothing is redrawn: a Top 5 view on the screen shows the old list until it is
    // next painted.
    ClearTopScores(Record);
    SaveRecord();
}

// The list as the record holds it, one line per entry.
static_assert(StoredRecord::TopEntries == TopEntryCount);

TopFive TVantrelForm::TopScores() const
{
    TopFive top;
    for (int i = 1; i <= TopEntryCount; ++i) {
        top[static_cast<std::size_t>(i - 1)] = {ShownName(Record.TopName(i)), Record.TopScore(i)};
    }
    return top;
}

}  // namespace vantrel
