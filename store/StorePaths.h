#pragma once

// Where the settings store's two files live.
//
// Machine root (the stored record, shared by every user of the machine):
//   1. $VANTREL_MACHINE_STORE when set and not empty, used as it is with no fallback;
//   2. /var/lib/vantrel/machine.reg when that file can be created or written (the
//      install step makes the folder writable for all users);
//   3. else $XDG_DATA_HOME/vantrel/machine.reg, $XDG_DATA_HOME defaulting to
//      ~/.local/share: a per-user copy, as a platform that denies an unprivileged
//      program the machine-wide store redirects its writes.
// User root (the donation reminder's state):
//   1. $VANTREL_USER_STORE when set and not empty, used as it is;
//   2. else $XDG_CONFIG_HOME/vantrel/user.reg, $XDG_CONFIG_HOME defaulting to ~/.config.
// The XDG variables count only when they hold an absolute path, as their definition
// asks. The lookup costs a few file-system queries and runs at start-up.

#include <QString>

namespace vantrel {

struct StoreLocation {
    QString filePath;
    // A new file is made readable and writable by every user, so that the scores of
    // the machine-wide file stay shared whoever created it.
    bool sharedByAllUsers = false;
};

inline constexpr const char* MachineStoreVariable = "VANTREL_MACHINE_STORE";
inline constexpr const char* UserStoreVariable = "VANTREL_USER_STORE";

StoreLocation machineStoreLocation();
StoreLocation userStoreLocation();

// The machine root's choice with the system-wide file given, so that the fallback can
// be exercised without touching /var/lib.
StoreLocation machineStoreLocation(const QString& systemWideFile);

// True when the file's folder exists (or can be made) and is writable, and the file,
// if it exists, is a writable file.
bool canCreateOrWrite(const QString& filePath);

}  // namespace vantrel
