#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

#include "auxiliary/DonateSchedule.h"

class QWidget;

namespace vantrel {

struct Desktop;
class HelpOpener;

// The donation reminder: its state for one run of the program, loaded before any
// window exists and saved after the windows are gone, in the user's settings store
// under "Software\<executable name without extension>", section "DonateForm". The
// program block makes it, and hands it to the main window, whose close may show the
// dialog and whose "Make a Donation" does; the desktop and the opener must outlive it.
//
// Store failures never reach the player. A location that cannot be opened, a value
// that is missing, or one of another kind than an integer or decimal text loads as
// the default. When the state cannot be written at the end of a run, nothing is
// reported and the program ends as usual; the next run then starts from what was
// stored before (or from the defaults).
class DonateReminder {
public:
    DonateReminder(const Desktop& desktop, const HelpOpener& help);
    // Kept by reference: a desktop made for the call would be gone before its first use.
    DonateReminder(const Desktop&& desktop, const HelpOpener& help) = delete;
    DonateReminder(const DonateReminder&) = delete;
    DonateReminder& operator=(const DonateReminder&) = delete;

    void LoadDonateState(const QString& executablePath);
    void SaveDonateState();

    // At every close of the main window: shows the dialog when its schedule says so.
    void CheckDonationReminder(QWidget* owner);
    // "Make a Donation".
    void ShowDonationDialog(QWidget* owner);

    // The dialog's close, by "Proceed" or its close box: applies the selected answer
    // and, for the first answer, opens the donation page.
    void DonateFormClosed(int selectedIndex);

    // The state as it stands in this run.
    const DonateReminderState& CurrentDonateState() const { return state_; }
    // The store location of this run's state (empty before LoadDonateState and after
    // SaveDonateState).
    const QString& DonateKeyName() const { return keyName_; }

private:
    // Today's day number from the desktop's clock.
    std::int32_t TodayDayNumber() const;
    void ShowDialogModally(QWidget* owner);

    const Desktop& desktop_;
    const HelpOpener& help_;
    DonateReminderState state_;
    QString keyName_;
};

// "Software\" followed by the executable's file name without its last extension:
// "/opt/Game.exe" -> "Software\Game", "my.game.exe" -> "Software\my.game".
QString DonateKeyNameFor(const QString& executablePath);

// Whole days since 30 December 1899 (day 0); 1 January 2007 is day 39083.
std::int32_t DayNumber(const QDate& date);

// The section and value names in the store.
inline constexpr const char16_t* DonateSection = u"DonateForm";
inline constexpr const char16_t* DonateStatusValue = u"DonateStatus";
inline constexpr const char16_t* DonateLastPromptValue = u"DonateLastPrompt";

}  // namespace vantrel
