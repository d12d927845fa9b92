#pragma once

// Reading and changing one store file safely. Readers take the file as it is: every
// save replaces it whole by an atomic rename, so a reader sees either the old or the
// new file, never a torn one. A change is made under a lock file beside the store file
// (which serializes running copies of the program), re-reads the file under the lock
// so that values another copy wrote survive, and saves through a temporary file that
// is renamed over the old one only when it is complete.

#include "store/RegFile.h"
#include "store/StorePaths.h"

#include <QString>

#include <functional>
#include <optional>

namespace vantrel {

enum class StoreFileState {
    Read,        // read and parsed (damaged lines skipped)
    Missing,     // no file yet: an empty store
    Unreadable,  // there, but not readable as a file (a folder, no permission, huge)
};

struct StoreFileContents {
    StoreFileState state = StoreFileState::Missing;
    RegFile file;
};

StoreFileContents readStoreFile(const QString& filePath);

// Runs change on the file's current contents and saves the result; returns the saved
// contents, or nothing when the change could not be saved: the folder cannot be made,
// the lock is not had within a few seconds, the present file cannot be read (it is
// never overwritten unread), or the atomic save fails. A change that leaves the
// contents as they were writes nothing.
std::optional<RegFile> changeStoreFile(const StoreLocation& location, const std::function<void(RegFile&)>& change);

}  // namespace vantrel
