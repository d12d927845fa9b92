#include "auxiliary/DonateReminder.h"

#include <QFileInfo>

#include "auxiliary/DonateForm.h"
#include "auxiliary/Help.h"
#include "auxiliary/WebSite.h"
#include "platform/Desktop.h"
#include "store/Registry.h"

namespace vantrel {

namespace {

// Program-wide: lives from LoadDonateState to the end of the program.
DonateReminderState Reminder;
QString KeyName;

QString SectionPath(const QString& keyName)
{
    return keyName + QLatin1Char('\\') + QString::fromUtf16(DonateSection);
}

void ShowDialogModally(QWidget* owner)
{
    TDonateForm dialog(owner);
    dialog.exec();
}

}  // namespace

std::int32_t DayNumber(const QDate& date)
{
    return static_cast<std::int32_t>(QDate(1899, 12, 30).daysTo(date));
}

std::int32_t TodayDayNumber() { return DayNumber(CurrentDesktop().today()); }

QString DonateKeyNameFor(const QString& executablePath)
{
    const QFileInfo file(executablePath);
    // completeBaseName drops only the last extension; a name that is nothing but an
    // extension (".game") keeps its whole name rather than naming no location.
    QString name = file.completeBaseName();
    if (name.isEmpty()) {
        name = file.fileName();
    }
    return QStringLiteral("Software\\") + name;
}

void LoadDonateState(const QString& executablePath)
{
    KeyName = DonateKeyNameFor(executablePath);
    std::int32_t storedStatus = NothingStoredStatus;
    std::int32_t storedLastPrompt = 0;
    const Registry store(RegistryRoot::User);
    // The location is made when it is missing; the section only at the first save.
    if (store.open(KeyName)) {
        if (auto section = store.openExisting(SectionPath(KeyName))) {
            storedStatus = section->readInteger(DonateStatusValue, NothingStoredStatus);
            storedLastPrompt = section->readInteger(DonateLastPromptValue, 0);
        }
    }
    Reminder = StateFromStored(storedStatus, storedLastPrompt, TodayDayNumber());
}

void SaveDonateState()
{
    if (KeyName.isEmpty()) {
        return;
    }
    const Registry store(RegistryRoot::User);
    if (auto section = store.open(SectionPath(KeyName))) {
        // A refused write leaves the stored values as they were; there is nobody to
        // tell at this point of the shut-down.
        const bool statusWritten = section->writeInteger(DonateStatusValue, Reminder.DonateState);
        const bool promptWritten =
            section->writeInteger(DonateLastPromptValue, Reminder.LastPromptDate);
        Q_UNUSED(statusWritten);
        Q_UNUSED(promptWritten);
    }
    KeyName.clear();
}

void CheckDonationReminder(QWidget* owner)
{
    const std::int32_t today = TodayDayNumber();
    if (!ReminderDue(Reminder, today)) {
        return;
    }
    Reminder.LastPromptDate = today;
    ShowDialogModally(owner);
}

void ShowDonationDialog(QWidget* owner)
{
    Reminder.DonateMenuUsed = true;
    ShowDialogModally(owner);
}

void DonateFormClosed(int selectedIndex)
{
    if (ApplyDonateAnswer(Reminder, selectedIndex, TodayDayNumber())) {
        OpenDocument(DonationPageAddress(), QString(), QString(), ShowNormalActivated);
    }
}

const DonateReminderState& CurrentDonateState() { return Reminder; }

const QString& DonateKeyName() { return KeyName; }

}  // namespace vantrel
