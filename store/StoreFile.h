#pragma once

// Reading and changing one store file safely, on the file operations of FileSystem.h.
// Readers take the file as it is: every save replaces it whole by a rename, so a
// reader sees either the old or the new file, never a torn one. A change is made
// under the store's lock (which serializes running copies of the program), re-reads
// the file under the lock so that values another copy wrote survive, and saves
// through a new file that is renamed over the old one only when it is complete.

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

enum class StoreFileState {
    Read,        // read and parsed (damaged lines skipped)
    Missing,     // no file yet: an empty store
    Unreadable,  // there, but not a regular file we may read within the limit
};

struct StoreFileContents {
    StoreFileState state = StoreFileState::Missing;
    RegFile file;
};

StoreFileContents readStoreFile(const QString& filePath);

// Runs change on the file's current contents and saves the result; returns the saved
// contents, or nothing when the change could not be saved: the folder is missing and
// may not be made, the lock is not had within about two seconds, the present file
// cannot be read (it is never overwritten unread), the result would be larger than a
// store file may be, or the save itself fails. A change that leaves the contents as
// they were writes nothing.
//
// A file holding text that a save would not keep (lines the reader could not use,
// comments, another encoding) is first copied aside, whole, to "<file>.damaged", so
// that nothing a person wrote is lost without a copy.
std::optional<RegFile> changeStoreFile(const StoreLocation& location,
                                       const std::function<void(RegFile&)>& change);

// Called with true when a change has to wait for another copy's lock, and with false
// when the wait ends; the window shows a busy cursor meanwhile. One for the program.
void setStoreLockWaitObserver(std::function<void(bool waiting)> observer);

}  // namespace vantrel
