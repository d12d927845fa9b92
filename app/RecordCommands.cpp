// The stored record and the top-five list as the window uses them: loading and saving
// against the machine store, the end-of-game check with its name prompt, and the two
// commands of the list.
#include <QCoreApplication>

#include "app/VantrelForm.h"

#include "platform/Desktop.h"
#include "store/HighScoreTable.h"
#include "store/RecordStore.h"
#include "store/SingleByteText.h"

namespace vantrel {

namespace {

const char* const ResetTitle = QT_TRANSLATE_NOOP("HighScores", "Confirm");
const char* const ResetQuestion =
    QT_TRANSLATE_NOOP("HighScores", "Do you really want to reset the High Scores?");

QString Text(const char* source) { return QCoreApplication::translate("HighScores", source); }

}  // namespace

void TVantrelForm::LoadRecord() { keptRecord_.Load(); }

void TVantrelForm::SaveRecord(const RecordChange& change) { keptRecord_.Save(change); }

void TVantrelForm::CheckHighScore()
{
    FinalTotal = GameTotal();
    // The last placement, the count and the game's end are told before any box opens.
    AnnounceOutcome();
    // The player is asked for a name when the total enters the list as this copy
    // holds it; the entry then joins the list as the store holds it at the save.
    std::optional<std::string> name;
    if (const int place = FindPlace(Record(), FinalTotal); place >= 1) {
        const QString typed = desktop_.askText(
            this, Text(HighScoreTitle), Text(HighScorePrompt),
            NameFromStoredBytes(Record().LastName()),
            Text(QT_TRANSLATE_NOOP("HighScores",
                                   "Your game total of %1 enters the Top 5 list at place %2."))
                .arg(FinalTotal)
                .arg(place));
        name = StoredBytesFromName(typed);
    }
    // Saved after every game, entered or not; a refused write ends the check here, so
    // the table is not redrawn. The entry is kept by value: a refused save keeps it for
    // the next one.
    const std::int32_t total = FinalTotal;
    SaveRecord([total, name](StoredRecord& record) { EnterGame(record, total, name); });
    DrawBoard();
}

void TVantrelForm::MenuOptionsResetHighItemClick()
{
    if (!desktop_.confirm(this, Text(ResetTitle), Text(ResetQuestion))) {
        return;
    }
    // Nothing is redrawn: a Top 5 view on the screen shows the old list until it is
    // next painted.
    SaveRecord(ClearTopScores);
}

// The list as the record holds it, one line per entry.
static_assert(StoredRecord::TopEntries == TopEntryCount);

TopFive TVantrelForm::TopScores() const
{
    TopFive top;
    for (int i = 1; i <= TopEntryCount; ++i) {
        top[static_cast<std::size_t>(i - 1)] = {NameFromStoredBytes(Record().TopName(i)),
                                                Record().TopScore(i)};
    }
    return top;
}

}  // namespace vantrel
