#pragma once

// The few file operations the store's files need, made safe for a folder that other
// users can write to. The machine-wide file is shared by every player of the machine,
// so anything in its folder may have been planted there: a link to someone's file, a
// FIFO that never answers, a folder, a file too large to be ours. Therefore
//   * no operation follows a link at the file itself or opens anything but a regular
//     file, and nothing ever blocks on what it opens;
//   * a file is never written in place: a save writes a new file, created exclusively
//     beside the old one, and renames it over the name (a rename replaces a link
//     instead of following it);
//   * permissions are set on the descriptor of a file we have just created, never by
//     name;
//   * copies of the program take turns through a kernel lock, which the kernel
//     releases when a copy dies, so no lock can be left behind.
//
// Free of Qt. The POSIX calls live in FileSystemPosix.cpp; another platform provides
// its own implementation of this header.

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel::fs {

enum class ReadOutcome {
    Read,        // a regular file, read whole
    Missing,     // nothing there
    Unreadable,  // something there that is not a regular file we may read within the limit
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes;
};

// Reads a regular file of at most maxBytes; a link, a FIFO, a device, a folder, a file
// this user may not read or one over the limit is Unreadable.
ReadResult readRegularFile(const std::string& path, std::size_t maxBytes);

// True when path is a folder (links followed: the folder is the installation's, not
// the players') in which this user may create and rename files.
bool folderIsWritable(const std::string& path);

// Creates the folder and its parents when missing; true when it exists afterwards.
bool makeFolders(const std::string& path);

// An open file or folder of the system, closed when it goes out of scope.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
};

// Who may use the files a save creates.
enum class Sharing {
    Private,  // this user only
    Group,    // everyone may read the store, the folder's group may also take the lock
};

// An open folder. Every operation of a save is made relative to it, so that nobody
// can swap the folder in the middle of one.
class Folder {
public:
    static std::optional<Folder> open(const std::string& path);

    ReadResult read(const std::string& name, std::size_t maxBytes) const;

    // Writes bytes to a new file beside name, flushes it to disk, renames it over name
    // and flushes the folder. False, with name untouched, when any step fails.
    bool replace(const std::string& name, std::string_view bytes, Sharing sharing) const;

    // Removes this user's temporary files of name that a copy killed in the middle of
    // a save left behind, once they are older than age. Only called under the lock,
    // when no save of ours can be in progress.
    void removeStaleTemporaries(const std::string& name, std::chrono::seconds age) const;

    int descriptor() const { return fd_.get(); }

private:
    explicit Folder(int fd) : fd_(fd) {}
    Descriptor fd_;
};

// The store's lock: an exclusive kernel lock on a regular file in the store's folder.
// Nothing is judged from the lock file's contents; it is only ever opened, never
// written, and never removed, so every copy locks the same file.
class FileLock {
public:
    // Takes the lock, waiting at most wait. waiting(true) is called when the lock is
    // busy and the wait begins, waiting(false) when it ends either way. Nothing when
    // the lock cannot be had in time or the lock file is not a regular file.
    static std::optional<FileLock> acquire(const Folder& folder, const std::string& name,
                                           Sharing sharing, std::chrono::milliseconds wait,
                                           const std::function<void(bool waiting)>& waiting);

private:
    explicit FileLock(int fd) : fd_(fd) {}
    Descriptor fd_;  // closing the only descriptor of the lock file releases the lock
};

}  // namespace vantrel::fs
