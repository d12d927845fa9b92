#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

#include "auxiliary/DonateSchedule.h"

class QWidget;

namespace vantrel {

// The donation reminder's program-wide state: loaded before any window exists and
// saved after the windows are gone, in the user's settings store under
// "Software\<executable name without extension>", section "DonateForm".
//
// Store failures never reach the player. A location that cannot be opened, a value
// that is missing, or one of another kind than an integer or decimal text loads as
// the default. When the state cannot be written at the end of a run, nothing is
// reported and the program ends as usual; the next run then starts from what was
// stored before (or from the defaults).
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
const DonateReminderState& CurrentDonateState();
// The store location of this run's state (empty before LoadDonateState and after
// SaveDonateState).
const QString& DonateKeyName();

// "Software\" followed by the executable's file name without its last extension:
// "/opt/Game.exe" -> "Software\Game", "my.game.exe" -> "Software\my.game".
QString DonateKeyNameFor(const QString& executablePath);

// Whole days since 30 December 1899 (day 0); 1 January 2007 is day 39083.
std::int32_t DayNumber(const QDate& date);
// Today's day number from the desktop's clock.
std::int32_t TodayDayNumber();

// The section and value names in the store.
inline constexpr const char16_t* DonateSection = u"DonateForm";
inline constexpr const char16_t* DonateStatusValue = u"DonateStatus";
inline constexpr const char16_t* DonateLastPromptValue = u"DonateLastPrompt";

}  // namespace vantrel
