// The store's file operations on POSIX systems (see FileSystem.h for the promises).

#include "store/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <random>
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

// A folder of a few files; one that has been filled with many more is not read
// further, so nobody can stall a save by planting entries.
constexpr int MostFolderEntriesLooked = 4096;

constexpr std::string_view TemporaryInfix = ".tmp-";

mode_t storeMode(Sharing sharing) { return sharing == Sharing::Group ? 0644 : 0600; }
mode_t lockMode(Sharing sharing) { return sharing == Sharing::Group ? 0660 : 0600; }

bool isRegularFile(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

ReadResult readOpened(int openResult, std::size_t maxBytes)
{
    if (openResult < 0)
        return {
            errno == ENOENT || errno == ENOTDIR ? ReadOutcome::Missing : ReadOutcome::Unreadable,
            {}};
    const Descriptor fd(openResult);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::size_t>(info.st_size) > maxBytes)
        return {ReadOutcome::Unreadable, {}};
    // The file may grow while it is read: one byte more than the limit tells.
    std::string bytes(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {ReadOutcome::Unreadable, {}};
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes) return {ReadOutcome::Unreadable, {}};
    bytes.resize(filled);
    return {ReadOutcome::Read, std::move(bytes)};
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string randomSuffix()
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr std::string_view Digits = "0123456789abcdef";
    std::uint64_t value = generator();
    std::string out(16, '0');
    for (char& c : out) {
        c = Digits[value & 0xF];
        value >>= 4;
    }
    return out;
}

// A new file beside name, created exclusively; its name is returned through tempName.
int createTemporary(int folder, const std::string& name, std::string& tempName)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempName = name + std::string(TemporaryInfix) + randomSuffix();
        const int fd =
            ::openat(folder, tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | SafeOpen, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The lock file, made when missing. Its mode is set only when we made it.
int openLockFile(int folder, const std::string& name, Sharing sharing)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        int fd = ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | SafeOpen, 0600);
        if (fd >= 0) {
            if (::fchmod(fd, lockMode(sharing)) != 0) {
                ::close(fd);
                return -1;
            }
            return fd;
        }
        if (errno != EEXIST) return -1;
        fd = ::openat(folder, name.c_str(), O_RDWR | SafeOpen);
        if (fd >= 0) {
            if (isRegularFile(fd)) return fd;
            ::close(fd);
            return -1;
        }
        if (errno != ENOENT)
            return -1;  // a link, a folder, or a file we may not open: never waited for
    }
    return -1;
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

ReadResult readRegularFile(const std::string& path, std::size_t maxBytes)
{
    return readOpened(::open(path.c_str(), O_RDONLY | SafeOpen), maxBytes);
}

bool folderIsWritable(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.c_str(), W_OK | X_OK) == 0;
}

bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<Folder> Folder::open(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    return Folder(fd);
}

ReadResult Folder::read(const std::string& name, std::size_t maxBytes) const
{
    return readOpened(::openat(fd_.get(), name.c_str(), O_RDONLY | SafeOpen), maxBytes);
}

bool Folder::replace(const std::string& name, std::string_view bytes, Sharing sharing) const
{
    std::string tempName;
    Descriptor temp(createTemporary(fd_.get(), name, tempName));
    if (temp.get() < 0) return false;
    const bool written = ::fchmod(temp.get(), storeMode(sharing)) == 0 &&
                         writeAll(temp.get(), bytes) && ::fsync(temp.get()) == 0 &&
                         ::close(temp.release()) == 0;
    if (!written || ::renameat(fd_.get(), tempName.c_str(), fd_.get(), name.c_str()) != 0) {
        ::unlinkat(fd_.get(), tempName.c_str(), 0);
        return false;
    }
    // The new name must outlive a crash as well as the new contents. Some file
    // systems cannot flush a folder; the rename has been made either way.
    ::fsync(fd_.get());
    return true;
}

void Folder::removeStaleTemporaries(const std::string& name, std::chrono::seconds age) const
{
    const int listing = ::openat(fd_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    const std::string prefix = name + std::string(TemporaryInfix);
    const std::time_t now = std::time(nullptr);
    int looked = 0;
    while (const dirent* entry = ::readdir(entries)) {
        if (++looked > MostFolderEntriesLooked) break;
        const std::string_view entryName(entry->d_name);
        if (!entryName.starts_with(prefix)) continue;
        struct stat info {};
        if (::fstatat(fd_.get(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            now - info.st_mtime > age.count())
            ::unlinkat(fd_.get(), entry->d_name, 0);
    }
    ::closedir(entries);
}

std::optional<FileLock> FileLock::acquire(const Folder& folder, const std::string& name,
                                          Sharing sharing, std::chrono::milliseconds wait,
                                          const std::function<void(bool)>& waiting)
{
    Descriptor fd(openLockFile(folder.descriptor(), name, sharing));
    if (fd.get() < 0) return std::nullopt;
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
    if (!locked) return std::nullopt;
    return FileLock(fd.release());
}

}  // namespace vantrel::fs
