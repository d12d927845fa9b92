#pragma once

// The few file operations the store's files need, made safe for a folder that other
// users can write to. The machine-wide file is shared by every player of the machine,
// so anything in its folder may have been planted there: a link to someone's file, a
// FIFO that never answers, a folder, a file too large to be ours. Therefore
//   * no operation follows a link at the file itself or opens anything but a regular
//     file with one name (a second hard link may be someone else's private file), and
//     nothing ever blocks on what it opens;
//   * a file is never written in place: a save writes a new file beside the old one
//     and renames it over the name (a rename replaces a link instead of following it);
//   * permissions are set on the descriptor of a file we have just created, never by
//     name;
//   * copies of the program take turns through a kernel lock, which the kernel
//     releases when a copy dies, so no lock can be left behind;
//   * a player's private folder is used only while it is the player's own: owned by
//     this user and writable by nobody else.
// Every failure says why, in words a player can act on ("the disk is full"), since the
// game shows it in its error box. The words are English, in fixed forms that the window
// says in the player's language (app/StoreReasons.cpp): a new form is added there too.
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
#include <vector>

namespace vantrel::fs {

// A value, or why there is none.
template <typename T>
struct Result {
    std::optional<T> value;
    std::string problem;  // in words; empty when there is a value
};

// The outcome of a step that gives nothing back: empty when it worked, else why not.
struct Outcome {
    std::string problem;
    // The folder's entry the problem is about when it is not the file being saved, so
    // that the player is told which name to remove; empty for the file itself.
    std::string entry = {};
    bool ok() const { return problem.empty(); }
};

enum class ReadOutcome {
    Read,        // a regular file, read whole
    Missing,     // nothing there
    Unreadable,  // something there that is not a file of ours we may read within the limit
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes;
    std::string problem;          // why it is Unreadable
    unsigned permissions = 0600;  // the file's own, for a copy of it
};

// True when path is a folder (links followed: the folder is the installation's, not
// the players') in which this user may create and rename files.
bool folderIsWritable(const std::string& path);

// Creates the folder and its missing parents, each made for this user alone (mode
// 0700), as folders of a player's data should be.
Outcome makePrivateFolders(const std::string& path);

// The steps of a save that a real disk can refuse. Tests make each fail the way a
// full disk, a failing device or a folder turned read-only would.
enum class SaveStep { Write, Sync, Rename };
// Asked before each step; an error number (errno) makes the step fail with it, 0 lets
// the step run. An empty one lets every step run.
using SaveFault = std::function<int(SaveStep)>;

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

// Whose folder it is, and so what its files must be before they are read.
enum class Trust {
    Installation,  // the shared folder, made and guarded by the package
    Private,       // the player's own: it and its files must be this user's, and nobody
                   // else may write to it
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
    // Missing when the folder is not there; a problem when it cannot be opened or is
    // a private folder that is not the player's own.
    static Result<Folder> open(const std::string& path, Trust trust);

    ReadResult read(const std::string& name, std::size_t maxBytes) const;

    // The operations below are made under the store's lock, so that no other save of
    // this user runs at the same time: each writes its new file under the name
    // temporary (the same for every save of this user, so that a save that was killed
    // leaves at most one file behind, which the next save replaces). An empty folder
    // there goes too; whatever else stays in the way refuses the save with a problem
    // about temporary itself.

    // Writes bytes to a new file, flushes it to disk, renames it over name and
    // flushes the folder. name is untouched when any step fails.
    Outcome replace(const std::string& name, const std::string& temporary, std::string_view bytes,
                    unsigned permissions, const SaveFault& fault) const;
    // The same for a file that must not exist yet: never replaces anything.
    Outcome add(const std::string& name, const std::string& temporary, std::string_view bytes,
                unsigned permissions, const SaveFault& fault) const;

    // Names of the entries starting with prefix; every entry is looked at, however
    // many there are.
    std::vector<std::string> namesStartingWith(std::string_view prefix) const;
    // Removes an entry that is not a folder; a link is removed, never followed.
    void remove(const std::string& name) const;

    int descriptor() const { return fd_.get(); }
    Trust trust() const { return trust_; }

private:
    Folder(int fd, Trust trust) : fd_(fd), trust_(trust) {}
    Outcome writeTemporary(const std::string& temporary, std::string_view bytes,
                           unsigned permissions, const SaveFault& fault) const;
    Descriptor fd_;
    Trust trust_ = Trust::Installation;
};

// The name a save of this user writes its new files under, beside name.
std::string temporaryNameFor(const std::string& name);

// The store's lock: an exclusive kernel lock on a regular file in the store's folder.
// Nothing is judged from the lock file's contents; it is only ever opened, never
// written, and never removed, so every copy locks the same file.
class FileLock {
public:
    // Takes the lock, waiting at most wait. waiting(true) is called when the lock is
    // busy and the wait begins, waiting(false) when it ends either way. A problem when
    // the lock cannot be had in time or the lock file is not a regular file of one
    // name.
    static Result<FileLock> acquire(const Folder& folder, const std::string& name, Sharing sharing,
                                    std::chrono::milliseconds wait,
                                    const std::function<void(bool waiting)>& waiting);

private:
    explicit FileLock(int fd) : fd_(fd) {}
    Descriptor fd_;  // closing the only descriptor of the lock file releases the lock
};

// An error number in words for the player: "the disk is full" rather than ENOSPC, and
// "another program is using <name>" for a file that another program holds (a lease, a
// busy device), whose raw text tells a player nothing.
std::string describeError(int error, std::string_view name);

}  // namespace vantrel::fs
