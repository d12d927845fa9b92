#pragma once

// A write that the settings store refused after its key had opened. Commands let it
// escape, so that the rest of the command does not run and the handler that ran it
// shows the message in the error box.

#include <stdexcept>
#include <string>

namespace vantrel {

class StoreWriteError : public std::runtime_error {
public:
    explicit StoreWriteError(const std::string& valueName)
        : std::runtime_error("Failed to set data for '" + valueName + "'")
    {
    }
};

}  // namespace vantrel
