#include "store/StoreFile.h"

#include "store/FileSystem.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <string>
#include <utility>

namespace vantrel {
namespace {

constexpr auto LockWait = std::chrono::milliseconds(2000);
// A save takes milliseconds; a temporary file of ours this old was left by a copy
// that was killed before it could rename it.
constexpr auto StaleTemporaryAge = std::chrono::seconds(60);

std::function<void(bool)>& lockWaitObserver()
{
    static std::function<void(bool)> observer;
    return observer;
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

fs::Sharing sharingOf(const StoreLocation& location)
{
    return location.shared ? fs::Sharing::Group : fs::Sharing::Private;
}

StoreFileContents contentsOf(fs::ReadResult read)
{
    switch (read.outcome) {
        case fs::ReadOutcome::Missing:
            return {StoreFileState::Missing, {}};
        case fs::ReadOutcome::Unreadable:
            return {StoreFileState::Unreadable, {}};
        case fs::ReadOutcome::Read:
            break;
    }
    return {StoreFileState::Read, RegFile::parse(read.bytes)};
}

// The shared folder belongs to the installation and is never made by us; a private
// one is made on the first save.
std::optional<fs::Folder> openFolder(const StoreLocation& location, const std::string& folderPath)
{
    if (!location.shared && !fs::makeFolders(folderPath)) return std::nullopt;
    return fs::Folder::open(folderPath);
}

}  // namespace

StoreFileContents readStoreFile(const QString& filePath)
{
    return contentsOf(fs::readRegularFile(nativePath(filePath), LargestStoreFile));
}

std::optional<RegFile> changeStoreFile(const StoreLocation& location,
                                       const std::function<void(RegFile&)>& change)
{
    const QFileInfo info(location.filePath);
    const std::string name = nativePath(info.fileName());
    if (location.filePath.isEmpty() || name.empty()) return std::nullopt;
    const std::optional<fs::Folder> folder = openFolder(location, nativePath(info.absolutePath()));
    if (!folder) return std::nullopt;
    const fs::Sharing sharing = sharingOf(location);
    const auto lock =
        fs::FileLock::acquire(*folder, name + ".lock", sharing, LockWait, lockWaitObserver());
    if (!lock) return std::nullopt;

    const fs::ReadResult raw = folder->read(name, LargestStoreFile);
    StoreFileContents current = contentsOf(raw);
    if (current.state == StoreFileState::Unreadable) return std::nullopt;
    const std::string before = current.file.serialise();
    change(current.file);
    const std::string after = current.file.serialise();
    if (current.state == StoreFileState::Read && after == before) return std::move(current.file);
    if (after.size() > static_cast<std::size_t>(LargestStoreFile)) return std::nullopt;
    // Text a save would not keep goes aside first; without that copy, nothing is saved.
    if (current.state == StoreFileState::Read && !raw.bytes.empty() && raw.bytes != before &&
        !folder->replace(name + ".damaged", raw.bytes, sharing))
        return std::nullopt;
    folder->removeStaleTemporaries(name, StaleTemporaryAge);
    folder->removeStaleTemporaries(name + ".damaged", StaleTemporaryAge);
    if (!folder->replace(name, after, sharing)) return std::nullopt;
    return std::move(current.file);
}

void setStoreLockWaitObserver(std::function<void(bool waiting)> observer)
{
    lockWaitObserver() = std::move(observer);
}

}  // namespace vantrel
