#pragma once

// Where the settings store's two files live. On Windows the two roots are registry
// keys, and filePath names the key they are kept under (StorePathsWindows.cpp).
//
// Machine root (the stored record, shared by the players of the machine):
//   1. $VANTREL_MACHINE_STORE when set and not empty, used as it is with no fallback;
//   2. machine.reg in the installation's shared folder (<localstatedir>/games/vantrel,
//      /var/games/vantrel for a /usr install) when this user may create files there.
//      The package makes that folder root:games with mode 2775, so the members of
//      "games" share the top-five list and nobody else can plant files in it. The
//      program never makes that folder and never changes its mode;
//   3. else $XDG_DATA_HOME/vantrel/machine.reg, $XDG_DATA_HOME defaulting to
//      ~/.local/share: a per-user copy, as a platform that denies an unprivileged
//      program the machine-wide store redirects its writes.
// User root (the donation reminder's state):
//   1. $VANTREL_USER_STORE when set and not empty, used as it is;
//   2. else $XDG_CONFIG_HOME/vantrel/user.reg, $XDG_CONFIG_HOME defaulting to ~/.config.
// The XDG variables count only when they hold an absolute path, as their definition
// asks; ~ is $HOME when that is an absolute path, else this user's home in the
// password database. With neither, the store is off: it reads empty and refuses every
// save, and says why. The choice costs a file-system query or two; the window makes it once, at
// start-up, so that the list a player sees never moves to another file mid-run.

#include <QString>

#include <functional>

namespace vantrel {

struct StoreLocation {
    QString filePath;
    // The installation's shared file: its folder is never made by us, everyone may
    // read what a save writes, and the folder's group may take the lock.
    bool shared = false;
    // Why there is no file at all (filePath empty): the store is off.
    QString unavailable = {};
};

inline constexpr const char* MachineStoreVariable = "VANTREL_MACHINE_STORE";
inline constexpr const char* UserStoreVariable = "VANTREL_USER_STORE";

StoreLocation machineStoreLocation();
StoreLocation userStoreLocation();

// The machine root's choice with the shared folder given, so that the choice can be
// exercised without an installation.
StoreLocation machineStoreLocation(const QString& sharedFolder);

// The installation's shared folder, fixed when the program is built.
QString sharedStoreFolder();

// The player's home folder: homeVariable when it is an absolute path, else what
// passwordHome gives when that is one, else empty.
QString homeFolderFrom(const QString& homeVariable, const std::function<QString()>& passwordHome);
// The same from $HOME and this user's entry in the password database.
QString homeFolder();

}  // namespace vantrel
