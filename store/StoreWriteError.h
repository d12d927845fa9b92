#pragma once

// A save that the settings store refused. Commands let it escape, so that the rest of
// the command does not run and the handler that ran it shows the message in the error
// box: "Failed to set data for '<value>'", and on a second line the file and the
// reason, so that a player can tell a full disk from a lock another program holds.
// The parts are kept apart too, so the window can put the first line in the player's
// language.

#include <stdexcept>
#include <string>

namespace vantrel {

class StoreWriteError : public std::runtime_error {
public:
    StoreWriteError(const std::string& valueName, const std::string& reason)
        : std::runtime_error("Failed to set data for '" + valueName + "'" +
                             (reason.empty() ? std::string() : "\n" + reason)),
          valueName_(valueName),
          reason_(reason)
    {
    }

    const std::string& ValueName() const { return valueName_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string valueName_;
    std::string reason_;
};

}  // namespace vantrel
