#pragma once

// What the program block makes once at start-up, made on the fake desktop: the help
// opener (with no installed folder, so only the working directory is looked in) and
// the donation reminder, which keeps its state in the user store that
// VANTREL_USER_STORE names. The reminder starts as before any load; a case that closes
// a main window loads it first, as the program does.
#include "FakeDesktop.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"

namespace vantrel::testing {

struct FakeProgram {
    FakeDesktop desktop;
    HelpOpener help{desktop.desktop()};
    DonateReminder reminder{desktop.desktop(), help};
};

}  // namespace vantrel::testing
