#pragma once

// Reading and changing one store file safely, on the file operations of FileSystem.h.
// Readers take the file as it is, without the lock and without writing anything:
// every save replaces it whole by a rename, so a reader sees either the old or the new
// file, never a torn one. A change is made under the store's lock (which serializes
// running copies of the program), re-reads the file under the lock so that values
// another copy wrote survive, and saves through a new file that is renamed over the
// old one only when it is complete.

#include "store/FileSystem.h"
#include "store/RegFile.h"
#include "store/StorePaths.h"

#include <QString>

#include <functional>
#include <optional>

namespace vantrel {

// The files hold a few hundred bytes; anything larger is not one of ours. Refusing it
// keeps start-up fast, and a save never writes more than this, so whatever we write
// can be read again.
inline constexpr qsizetype LargestStoreFile = 1024 * 1024;

// Hand-edited text that a save would not keep is copied aside first, to
// "<file>.damaged-YYYYMMDD-HHMMSS" beside it, the time in UTC so that the players of a
// shared folder name their copies on one clock; this many copies are kept, the oldest
// removed first. The copy gets the store's mode, or the original's where that is
// narrower.
inline constexpr int KeptDamagedCopies = 5;

// What the program (or a test) gives a store beside where its file lives.
struct StoreHooks {
    // Told true when a save has to wait for another copy's lock and false when the
    // wait ends; the window shows a busy cursor meanwhile.
    std::function<void(bool waiting)> lockWait;
    // Makes steps of a save fail, as a full disk or a failing device would.
    fs::SaveFault saveFault;
};

enum class StoreFileState {
    Read,        // read and parsed (damaged lines skipped)
    Missing,     // no file yet: an empty store
    Unreadable,  // there, but not a file of ours we may read within the limit
};

struct StoreFileContents {
    StoreFileState state = StoreFileState::Missing;
    RegFile file;
    QString problem;  // why it is Unreadable: "<file>: <reason>"
};

StoreFileContents readStoreFile(const StoreLocation& location);

// A change that was saved, with the contents saved; or why it was not.
struct StoreChange {
    std::optional<RegFile> saved;
    QString problem;  // "<file>: <reason>", for the player
};

// Runs change on the file's current contents and saves the result. Nothing is saved
// when the store is off, the folder is missing and may not be made or is not the
// player's own, the lock is not had within about two seconds, the present file cannot
// be read (it is never overwritten unread), the result would be larger than a store
// file may be, or a step of the save fails; the file is then exactly as it was. A
// change that leaves the contents as they were writes nothing.
StoreChange changeStoreFile(const StoreLocation& location, const StoreHooks& hooks,
                            const std::function<void(RegFile&)>& change);

}  // namespace vantrel
