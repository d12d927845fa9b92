#include "auxiliary/DonateReminder.h"

#include <QFileInfo>

#include "auxiliary/DonateForm.h"
#include "auxiliary/Help.h"
#include "auxiliary/WebSite.h"
#include "platform/Desktop.h"
#include "store/Registry.h"

namespace vantrel {

namespace {

QString SectionPath(const QString& keyName)
{
    return keyName + QLatin1Char('\\') + QString::fromUtf16(DonateSection);
}

}  // namespace

std::int32_t DayNumber(const QDate& date)
{
    return static_cast<std::int32_t>(QDate(1899, 12, 30).daysTo(date));
}

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

DonateReminder::DonateReminder(const Desktop& desktop, const HelpOpener& help)
    : desktop_(desktop), help_(help)
{
}

std::int32_t DonateReminder::TodayDayNumber() const { return DayNumber(desktop_.today()); }

void DonateReminder::LoadDonateState(const QString& executablePath)
{
    keyName_ = DonateKeyNameFor(executablePath);
    std::int32_t storedStatus = NothingStoredStatus;
    std::int32_t storedLastPrompt = 0;
    const Registry store(RegistryRoot::User);
    // The location is made when it is missing; the section only at the first save.
    if (store.open(keyName_)) {
        if (auto section = store.openExisting(SectionPath(keyName_))) {
            storedStatus = section->readInteger(DonateStatusValue, NothingStoredStatus);
            storedLastPrompt = section->readInteger(DonateLastPromptValue, 0);
        }
    }
    state_ = StateFromStored(storedStatus, storedLastPrompt, TodayDayNumber());
}

void DonateReminder::SaveDonateState()
{
    if (keyName_.isEmpty()) {
        return;
    }
    const Registry store(RegistryRoot::User);
    if (auto section = store.open(SectionPath(keyName_))) {
        // A refused write leaves the stored values as they were; there is nobody to
        // tell at this point of the shut-down.
        const bool statusWritten = section->writeInteger(DonateStatusValue, state_.DonateState);
        const bool promptWritten =
            section->writeInteger(DonateLastPromptValue, state_.LastPromptDate);
        Q_UNUSED(statusWritten);
        Q_UNUSED(promptWritten);
    }
    keyName_.clear();
}

void DonateReminder::CheckDonationReminder(QWidget* owner)
{
    const std::int32_t today = TodayDayNumber();
    if (!ReminderDue(state_, today)) {
        return;
    }
    state_.LastPromptDate = today;
    ShowDialogModally(owner);
}

void DonateReminder::ShowDonationDialog(QWidget* owner)
{
    state_.DonateMenuUsed = true;
    ShowDialogModally(owner);
}

void DonateReminder::ShowDialogModally(QWidget* owner)
{
    TDonateForm dialog(owner, *this, help_);
    dialog.exec();
}

void DonateReminder::DonateFormClosed(int selectedIndex)
{
    if (ApplyDonateAnswer(state_, selectedIndex, TodayDayNumber())) {
        help_.OpenDocument(DonationPageAddress(), QString(), QString(), ShowNormalActivated);
    }
}

}  // namespace vantrel
