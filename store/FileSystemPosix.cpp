// The store's file operations on POSIX systems (see FileSystem.h for the promises).

#include "store/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace vantrel::fs {
namespace {

// Opening flags that never follow a link at the last component, never wait for the
// other end of a FIFO and never make a terminal ours.
constexpr int SafeOpen = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

// Saves hold the lock for a millisecond or so; polling often keeps a copy that saves
// in a loop from starving the others.
constexpr auto LockPoll = std::chrono::milliseconds(2);

constexpr unsigned LockPermissions(Sharing sharing)
{
    return sharing == Sharing::Group ? 0660 : 0600;
}
constexpr unsigned PermissionBits = 0666;
constexpr mode_t PrivateFolderMode = 0700;

// Why a file that is there may not be read as a store file, or nothing when it may.
std::string refusalOf(const struct stat& info, std::size_t maxBytes, Trust trust)
{
    if (!S_ISREG(info.st_mode)) return "it is not a regular file";
    if (info.st_nlink != 1) return "it has more than one name (a hard link)";
    if (trust == Trust::Private && info.st_uid != ::geteuid()) return "it belongs to another user";
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes)
        return "it is larger than a store file may be";
    return {};
}

ReadResult unreadable(std::string problem)
{
    return {ReadOutcome::Unreadable, {}, std::move(problem)};
}

// Reads what remains of fd into a buffer sized by the file; a file that grows past
// maxBytes while it is read is refused.
ReadResult readWhole(int fd, const std::string& name, std::size_t expected, std::size_t maxBytes)
{
    std::string bytes(expected + 1, '\0');  // one byte more than expected tells growth
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > maxBytes) return unreadable("it is larger than a store file may be");
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return unreadable(describeError(errno, name));
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes) return unreadable("it is larger than a store file may be");
    bytes.resize(filled);
    return {ReadOutcome::Read, std::move(bytes), {}, 0600};
}

ReadResult readOpened(int openResult, const std::string& name, std::size_t maxBytes, Trust trust)
{
    if (openResult < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return unreadable(errno == ELOOP ? "it is a link" : describeError(errno, name));
    }
    const Descriptor fd(openResult);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return unreadable(describeError(errno, name));
    if (std::string refusal = refusalOf(info, maxBytes, trust); !refusal.empty())
        return unreadable(std::move(refusal));
    ReadResult result = readWhole(fd.get(), name, static_cast<std::size_t>(info.st_size), maxBytes);
    result.permissions = info.st_mode & PermissionBits;
    return result;
}

// A step of a save: the fault asked first, then the call; errno tells why it failed.
template <typename Call>
bool step(const SaveFault& fault, SaveStep which, Call call)
{
    if (fault) {
        if (const int error = fault(which); error != 0) {
            errno = error;
            return false;
        }
    }
    return call();
}

bool writeAll(int fd, std::string_view bytes, const SaveFault& fault)
{
    while (!bytes.empty()) {
        ssize_t written = -1;
        if (!step(fault, SaveStep::Write, [&] {
                written = ::write(fd, bytes.data(), bytes.size());
                return written >= 0;
            })) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Errors of a file that another program holds for the moment: a lease on it, a
// device or program using it.
bool isBusy(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EBUSY || error == ETXTBSY;
}

// "<name> cannot be <done>: <why>", or only why when that names the file already.
std::string failureOf(const std::string& name, const char* done, int error)
{
    if (isBusy(error)) return describeError(error, name);
    return name + " cannot be " + done + ": " + describeError(error, name);
}

// What an entry in the way of a save's new file is, and who can remove it.
std::string inTheWay(int folder, const std::string& name)
{
    struct stat info {};
    const bool found = ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    const std::string what = found && S_ISDIR(info.st_mode) ? "folder" : "file";
    if (found && info.st_uid == ::geteuid())
        return "this player's " + what + " is in the way of every save; remove it";
    return "another user's " + what +
           " is in the way of every save; its owner or an administrator must remove it";
}

// Why a private folder may not hold the player's files, or nothing when it may.
std::string folderRefusal(const struct stat& info)
{
    if (info.st_uid != ::geteuid()) return "it belongs to another user";
    const bool groupOfOthers = (info.st_mode & S_IWGRP) != 0 && info.st_gid != ::getegid();
    if ((info.st_mode & S_IWOTH) != 0 || groupOfOthers) return "other users may write to it";
    return {};
}

// The lock file, made when missing. Its mode is set only when we made it.
Result<Descriptor> openLockFile(int folder, const std::string& name, Sharing sharing)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        Descriptor made(::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | SafeOpen, 0600));
        if (made.get() >= 0) {
            if (::fchmod(made.get(), LockPermissions(sharing)) != 0)
                return {std::nullopt, failureOf(name, "made", errno)};
            return {std::move(made), {}};
        }
        if (errno != EEXIST) return {std::nullopt, failureOf(name, "made", errno)};
        Descriptor found(::openat(folder, name.c_str(), O_RDWR | SafeOpen));
        if (found.get() >= 0) {
            struct stat info {};
            if (::fstat(found.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)
                return {std::nullopt, name + " is not a regular file of one name"};
            return {std::move(found), {}};
        }
        // A link, a folder, or a file we may not open: never waited for.
        if (errno == ELOOP || errno == EISDIR || errno == ENXIO)
            return {std::nullopt, name + " is not a regular file of one name"};
        if (errno != ENOENT) return {std::nullopt, failureOf(name, "opened", errno)};
    }
    return {std::nullopt, name + " keeps vanishing"};
}

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor()
{
    if (fd_ >= 0) ::close(fd_);
}

std::string describeError(int error, std::string_view name)
{
    if (isBusy(error)) return "another program is using " + std::string(name);
    switch (error) {
        case ENOSPC:
            return "the disk is full";
        case EDQUOT:
            return "the disk quota is used up";
        case EROFS:
            return "the file system is read-only";
        case EACCES:
        case EPERM:
            return "this user may not do that there";
        case EIO:
            return "the disk reported an input/output error";
        default:
            return std::strerror(error);
    }
}

bool folderIsWritable(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.c_str(), W_OK | X_OK) == 0;
}

Outcome makePrivateFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), PrivateFolderMode) != 0 && errno != EEXIST)
            return {"the folder " + prefix + " cannot be made: " + describeError(errno, prefix)};
        if (slash == std::string::npos) break;
    }
    return {};
}

std::string temporaryNameFor(const std::string& name)
{
    return name + ".tmp-" + std::to_string(::geteuid());
}

Result<Folder> Folder::open(const std::string& path, Trust trust)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return {std::nullopt, "its folder cannot be opened: " + describeError(errno, path)};
    if (trust == Trust::Private) {
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0)
            return {std::nullopt, "its folder cannot be opened: " + describeError(errno, path)};
        if (std::string refusal = folderRefusal(info); !refusal.empty())
            return {std::nullopt, "its folder " + path + " is refused: " + refusal};
    }
    return {Folder(fd.release(), trust), {}};
}

ReadResult Folder::read(const std::string& name, std::size_t maxBytes) const
{
    return readOpened(::openat(fd_.get(), name.c_str(), O_RDONLY | SafeOpen), name, maxBytes,
                      trust_);
}

Outcome Folder::writeTemporary(const std::string& temporary, std::string_view bytes,
                               unsigned permissions, const SaveFault& fault) const
{
    // A file of ours under this name was left by a save that was killed; no save of
    // ours runs now, under the lock. An empty folder there holds nothing of anyone's.
    if (::unlinkat(fd_.get(), temporary.c_str(), 0) != 0 && (errno == EISDIR || errno == EPERM))
        ::unlinkat(fd_.get(), temporary.c_str(), AT_REMOVEDIR);
    Descriptor file(
        ::openat(fd_.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | SafeOpen, 0600));
    if (file.get() < 0 && errno == EEXIST) return {inTheWay(fd_.get(), temporary), temporary};
    if (file.get() < 0) return {"a new file cannot be made: " + describeError(errno, temporary)};
    const bool written = ::fchmod(file.get(), permissions & PermissionBits) == 0 &&
                         writeAll(file.get(), bytes, fault) &&
                         step(fault, SaveStep::Sync, [&] { return ::fsync(file.get()) == 0; }) &&
                         ::close(file.release()) == 0;
    if (written) return {};
    const int error = errno;
    ::unlinkat(fd_.get(), temporary.c_str(), 0);
    return {describeError(error, temporary)};
}

Outcome Folder::replace(const std::string& name, const std::string& temporary,
                        std::string_view bytes, unsigned permissions, const SaveFault& fault) const
{
    if (Outcome written = writeTemporary(temporary, bytes, permissions, fault); !written.ok())
        return written;
    if (!step(fault, SaveStep::Rename, [&] {
            return ::renameat(fd_.get(), temporary.c_str(), fd_.get(), name.c_str()) == 0;
        })) {
        const int error = errno;
        ::unlinkat(fd_.get(), temporary.c_str(), 0);
        return {describeError(error, name)};
    }
    // The new name must outlive a crash as well as the new contents. Some file
    // systems cannot flush a folder; the rename has been made either way.
    ::fsync(fd_.get());
    return {};
}

Outcome Folder::add(const std::string& name, const std::string& temporary, std::string_view bytes,
                    unsigned permissions, const SaveFault& fault) const
{
    if (Outcome written = writeTemporary(temporary, bytes, permissions, fault); !written.ok())
        return written;
    // A second name for the new file, which fails rather than replace anything; then
    // the temporary name goes.
    const bool linked = step(fault, SaveStep::Rename, [&] {
        return ::linkat(fd_.get(), temporary.c_str(), fd_.get(), name.c_str(), 0) == 0;
    });
    const int error = errno;
    ::unlinkat(fd_.get(), temporary.c_str(), 0);
    if (!linked) return {failureOf(name, "made", error)};
    ::fsync(fd_.get());
    return {};
}

std::vector<std::string> Folder::namesStartingWith(std::string_view prefix) const
{
    std::vector<std::string> names;
    const int listing = ::openat(fd_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return names;
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(entries)) {
        if (std::string_view(entry->d_name).starts_with(prefix)) names.emplace_back(entry->d_name);
    }
    ::closedir(entries);
    return names;
}

void Folder::remove(const std::string& name) const { ::unlinkat(fd_.get(), name.c_str(), 0); }

Result<FileLock> FileLock::acquire(const Folder& folder, const std::string& name, Sharing sharing,
                                   std::chrono::milliseconds wait,
                                   const std::function<void(bool)>& waiting)
{
    Result<Descriptor> opened = openLockFile(folder.descriptor(), name, sharing);
    if (!opened.value) return {std::nullopt, std::move(opened.problem)};
    Descriptor fd = std::move(*opened.value);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool announced = false;
    bool locked = false;
    while (true) {
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            locked = true;
            break;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) break;
        if (!announced && waiting) {
            announced = true;
            waiting(true);
        }
        std::this_thread::sleep_for(LockPoll);
    }
    if (announced) waiting(false);
    if (!locked) return {std::nullopt, "another program holds " + name};
    return {FileLock(fd.release()), {}};
}

}  // namespace vantrel::fs
