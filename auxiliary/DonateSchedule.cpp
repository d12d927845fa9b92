#include "auxiliary/DonateSchedule.h"

namespace vantrel {

namespace {

constexpr std::int64_t TwoWeeks = 14;

std::int32_t ClampState(std::int32_t stored)
{
    if (stored == NothingStoredStatus) {
        return AskTomorrow;
    }
    if (stored < 0) {
        return DonateNow;
    }
    if (stored > AskTomorrow) {
        return AskTomorrow;
    }
    return stored;
}

}  // namespace

DonateReminderState StateFromStored(std::int32_t storedStatus, std::int32_t storedLastPrompt,
                                    std::int32_t today)
{
    DonateReminderState state;
    state.DonateState = ClampState(storedStatus);
    state.LastPromptDate = storedLastPrompt == 0 ? today : storedLastPrompt;
    state.DonateMenuUsed = false;
    return state;
}

bool ReminderDue(const DonateReminderState& state, std::int32_t today)
{
    // Any stored day is accepted, so the difference is taken in 64 bits: a damaged
    // value near the ends of the 32-bit range must not overflow. It is negative when
    // the clock has been set back behind the last prompt.
    const std::int64_t days = std::int64_t{today} - std::int64_t{state.LastPromptDate};
    if (state.DonateMenuUsed) {
        return false;
    }
    switch (state.DonateState) {
        case AskInTwoWeeks:
            return days >= TwoWeeks;
        case AlreadyDonated:
        case NeverDonate:
            return false;
        case AskTomorrow:
            return days >= 1;
        default:
            return true;
    }
}

bool ApplyDonateAnswer(DonateReminderState& state, int answer, std::int32_t today)
{
    if (answer < 0 || answer >= DonateAnswerCount) {
        return false;
    }
    state.DonateState = answer;
    if (answer == AskInTwoWeeks || answer == AskTomorrow) {
        state.LastPromptDate = today;
    }
    return answer == DonateNow;
}

}  // namespace vantrel
