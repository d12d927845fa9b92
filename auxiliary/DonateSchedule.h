#pragma once

// The donation reminder's schedule: when the dialog comes back at the close of the
// main window, and what each answer does to the state. Free of Qt; dates are whole
// day numbers counted from 30 December 1899 (day 0).

#include <cstdint>

namespace vantrel {

// The dialog's answers, in the order of its radio items; the index is the state
// that is stored.
enum DonateAnswer : int {
    DonateNow = 0,       // opens the donation page; asks again at every close
    AskInTwoWeeks = 1,   // asks again after 14 days
    AlreadyDonated = 2,  // never asks again at close
    NeverDonate = 3,     // never asks again at close
    AskTomorrow = 4,     // asks again on a later calendar day
};
inline constexpr int DonateAnswerCount = 5;

// What the stored status reads as when nothing is stored.
inline constexpr std::int32_t NothingStoredStatus = -1;

struct DonateReminderState {
    std::int32_t DonateState = AskTomorrow;  // 0..4 once loaded
    std::int32_t LastPromptDate = 0;         // whole day number
    bool DonateMenuUsed = false;             // "Make a Donation" was used in this run
};

// The state a run starts with, from the two stored integers (the defaults when
// nothing is stored: -1 and 0). -1 means "never asked" and starts at answer 4 with
// today as the last prompt, so nobody is asked on the first day of use.
DonateReminderState StateFromStored(std::int32_t storedStatus, std::int32_t storedLastPrompt,
                                    std::int32_t today);

// Whether the dialog is shown at this close of the main window.
bool ReminderDue(const DonateReminderState& state, std::int32_t today);

// Applies the answer selected when the dialog closes. Returns true when the
// donation page is to be opened. An index outside the answers changes nothing.
bool ApplyDonateAnswer(DonateReminderState& state, int answer, std::int32_t today);

}  // namespace vantrel
