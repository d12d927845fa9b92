#include "store/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <utility>

namespace vantrel {
namespace {

constexpr auto LockWait = std::chrono::milliseconds(2000);
constexpr unsigned StoreFilePermissions(bool shared) { return shared ? 0644 : 0600; }

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString aboutFile(const StoreLocation& location, const std::string& problem)
{
    return location.filePath + QStringLiteral(": ") + QString::fromStdString(problem);
}

fs::Trust trustOf(const StoreLocation& location)
{
    return location.shared ? fs::Trust::Installation : fs::Trust::Private;
}

StoreFileContents contentsOf(const StoreLocation& location, fs::ReadResult read)
{
    switch (read.outcome) {
        case fs::ReadOutcome::Missing:
            return {StoreFileState::Missing, {}, {}};
        case fs::ReadOutcome::Unreadable:
            return {StoreFileState::Unreadable, {}, aboutFile(location, read.problem)};
        case fs::ReadOutcome::Read:
            break;
    }
    return {StoreFileState::Read, RegFile::parse(read.bytes), {}};
}

// The saved text keeps what the file says when it is the same but for the line ends:
// a file a person saved with plain LF line ends is not damaged.
bool keepsText(const std::string& raw, const std::string& saved)
{
    if (raw == saved) return true;
    std::string withCrLf;
    withCrLf.reserve(raw.size() + raw.size() / 16);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) withCrLf += '\r';
        withCrLf += raw[i];
    }
    return withCrLf == saved;
}

std::string localTimestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = {};
    if (::localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local) == 0)
        return "00000000-000000";
    return text;
}

// "<prefix>YYYYMMDD-HHMMSS" with an optional "-N": a dated copy of ours.
bool isDatedCopy(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix)) return false;
    const std::string_view stamp = name.substr(prefix.size());
    if (stamp.size() < 15 || stamp[8] != '-') return false;
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (i != 8 && i != 15 && !digit) return false;
    }
    return stamp.size() == 15 || (stamp[15] == '-' && stamp.size() > 16);
}

// Copies the file's text aside, dated, before a save rewrites it; at most
// KeptDamagedCopies such copies stay, the oldest going first. A copy of the same
// second gets a number, so no copy ever replaces another.
fs::Outcome keepDamagedCopy(const fs::Folder& folder, const std::string& name,
                            const std::string& temporary, const fs::ReadResult& raw,
                            const fs::SaveFault& fault)
{
    const std::string prefix = name + ".damaged-";
    std::vector<std::string> copies = folder.namesStartingWith(prefix);
    std::erase_if(copies, [&](const std::string& copy) { return !isDatedCopy(copy, prefix); });
    const std::string dated = prefix + localTimestamp();
    std::string copyName = dated;
    for (int number = 2; std::find(copies.begin(), copies.end(), copyName) != copies.end();
         ++number)
        copyName = dated + '-' + std::to_string(number);
    fs::Outcome added = folder.add(copyName, temporary, raw.bytes, raw.permissions, fault);
    if (!added.ok()) return {"the copy of its hand-edited text cannot be made: " + added.problem};
    copies.push_back(copyName);
    std::sort(copies.begin(), copies.end());
    const auto surplus = static_cast<std::ptrdiff_t>(copies.size()) - KeptDamagedCopies;
    for (std::ptrdiff_t i = 0; i < surplus; ++i) folder.remove(copies[std::size_t(i)]);
    return {};
}

// The folder of a save; a private one is made on the first save, the shared one
// belongs to the installation and is never made by us.
fs::Result<fs::Folder> openFolderForSave(const StoreLocation& location, const std::string& path)
{
    if (!location.shared) {
        if (fs::Outcome made = fs::makePrivateFolders(path); !made.ok())
            return {std::nullopt, made.problem};
    }
    return fs::Folder::open(path, trustOf(location));
}

}  // namespace

StoreFileContents readStoreFile(const StoreLocation& location)
{
    if (location.filePath.isEmpty()) return {StoreFileState::Unreadable, {}, location.unavailable};
    const QFileInfo info(location.filePath);
    fs::Result<fs::Folder> folder =
        fs::Folder::open(nativePath(info.absolutePath()), trustOf(location));
    if (!folder.value) {
        // No folder yet is no file yet; a folder that is there but refused is not.
        if (!info.absoluteDir().exists()) return {};
        return {StoreFileState::Unreadable, {}, aboutFile(location, folder.problem)};
    }
    return contentsOf(location, folder.value->read(nativePath(info.fileName()), LargestStoreFile));
}

StoreChange changeStoreFile(const StoreLocation& location, const StoreHooks& hooks,
                            const std::function<void(RegFile&)>& change)
{
    if (location.filePath.isEmpty()) return {std::nullopt, location.unavailable};
    const QFileInfo info(location.filePath);
    const std::string name = nativePath(info.fileName());
    const auto refused = [&](const std::string& problem) {
        return StoreChange{std::nullopt, aboutFile(location, problem)};
    };
    const fs::Result<fs::Folder> folder =
        openFolderForSave(location, nativePath(info.absolutePath()));
    if (!folder.value) return refused(folder.problem);
    const fs::Sharing sharing = location.shared ? fs::Sharing::Group : fs::Sharing::Private;
    const auto lock =
        fs::FileLock::acquire(*folder.value, name + ".lock", sharing, LockWait, hooks.lockWait);
    if (!lock.value) return refused(lock.problem);

    const fs::ReadResult raw = folder.value->read(name, LargestStoreFile);
    StoreFileContents current = contentsOf(location, raw);
    if (current.state == StoreFileState::Unreadable) return refused(raw.problem);
    const std::string before = current.file.serialise();
    change(current.file);
    const std::string after = current.file.serialise();
    if (current.state == StoreFileState::Read && after == before)
        return {std::move(current.file), {}};
    if (after.size() > static_cast<std::size_t>(LargestStoreFile))
        return refused("the saved file would be larger than a store file may be");
    const std::string temporary = fs::temporaryNameFor(name);
    // Text a save would not keep goes aside first; without that copy, nothing is saved.
    if (current.state == StoreFileState::Read && !raw.bytes.empty() &&
        !keepsText(raw.bytes, before)) {
        if (fs::Outcome kept =
                keepDamagedCopy(*folder.value, name, temporary, raw, hooks.saveFault);
            !kept.ok())
            return refused(kept.problem);
    }
    const fs::Outcome saved = folder.value->replace(
        name, temporary, after, StoreFilePermissions(location.shared), hooks.saveFault);
    if (!saved.ok()) return refused(saved.problem);
    return {std::move(current.file), {}};
}

}  // namespace vantrel
