#include "store/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <compare>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

constexpr auto LockWait = std::chrono::milliseconds(2000);
constexpr unsigned StoreFilePermissions(bool shared) { return shared ? 0644 : 0600; }

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString aboutFile(const StoreLocation& location, const std::string& problem)
{
    return location.filePath + QStringLiteral(": ") + QString::fromStdString(problem);
}

// A step's problem, said of the store file, or of the other entry of its folder that
// it is about, so that the player knows which name to remove.
QString aboutOutcome(const StoreLocation& location, const fs::Outcome& outcome)
{
    if (outcome.entry.empty()) return aboutFile(location, outcome.problem);
    const QString entry = QFile::decodeName(QByteArray::fromStdString(outcome.entry));
    return QFileInfo(location.filePath).absoluteDir().filePath(entry) + QStringLiteral(": ") +
           QString::fromStdString(outcome.problem);
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

// Now in UTC as a copy's name gives it, "YYYYMMDD-HHMMSS": the same clock for every
// player of a shared folder, whatever their time zone.
std::string utcTimestamp(std::time_t now)
{
    std::tm utc{};
    char text[32] = {};
    if (::gmtime_r(&now, &utc) == nullptr ||
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc) == 0)
        return "00000000-000000";
    return text;
}

// When a copy aside was made: the second its name gives, then its number within that
// second (the first copy of a second has none and comes first).
struct CopyTime {
    std::int64_t second = 0;
    int number = 1;
    auto operator<=>(const CopyTime&) const = default;
};

// The value of a run of digits; nothing when it is empty or holds anything else.
std::optional<int> digitsOf(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The second "YYYYMMDD-HHMMSS" names, taken as UTC; nothing when it is no real time.
std::optional<std::int64_t> secondOf(std::string_view stamp)
{
    constexpr std::pair<std::size_t, std::size_t> Fields[] = {{0, 4}, {4, 2},  {6, 2},
                                                              {9, 2}, {11, 2}, {13, 2}};
    int value[6] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::optional<int> field = digitsOf(stamp.substr(Fields[i].first, Fields[i].second));
        if (!field) return std::nullopt;
        value[i] = *field;
    }
    namespace chrono = std::chrono;
    const chrono::year_month_day date{chrono::year(value[0]), chrono::month(unsigned(value[1])),
                                      chrono::day(unsigned(value[2]))};
    if (stamp[8] != '-' || !date.ok() || value[3] > 23 || value[4] > 59 || value[5] > 59)
        return std::nullopt;
    const std::int64_t days = chrono::sys_days(date).time_since_epoch().count();
    return days * 86400 + value[3] * 3600 + value[4] * 60 + value[5];
}

// When the copy called name was made, if it is one of ours: "<prefix>YYYYMMDD-HHMMSS"
// and, for a later copy of the same second, "-N" from 2 on. Earlier versions named
// copies in local time; they still count, off by no more than their zone's offset. A
// time later than now is no copy of ours: counting it would have the real ones removed.
std::optional<CopyTime> timeOfCopy(std::string_view name, std::string_view prefix, std::int64_t now)
{
    if (!name.starts_with(prefix)) return std::nullopt;
    const std::string_view stamp = name.substr(prefix.size());
    if (stamp.size() < 15 || stamp.size() > 22) return std::nullopt;
    const std::optional<std::int64_t> second = secondOf(stamp);
    if (!second || *second > now) return std::nullopt;
    if (stamp.size() == 15) return CopyTime{*second, 1};
    const bool numbered = stamp.size() > 16 && stamp[15] == '-' && stamp[16] != '0';
    const std::optional<int> number = numbered ? digitsOf(stamp.substr(16)) : std::nullopt;
    if (!number || *number < 2) return std::nullopt;
    return CopyTime{*second, *number};
}

// Removes the oldest of our copies that were there before the one just made, so that
// KeptDamagedCopies stay with it. The one just made is not among them, so it is never
// the one removed, and names that are not our copies are neither counted nor removed.
void removeOldestCopies(const fs::Folder& folder, const std::vector<std::string>& before,
                        std::string_view prefix, std::int64_t now)
{
    std::vector<std::pair<CopyTime, std::string>> copies;
    for (const std::string& name : before) {
        if (const std::optional<CopyTime> made = timeOfCopy(name, prefix, now))
            copies.emplace_back(*made, name);
    }
    std::sort(copies.begin(), copies.end());
    const std::ptrdiff_t surplus = std::ssize(copies) - (KeptDamagedCopies - 1);
    for (std::ptrdiff_t i = 0; i < surplus; ++i) folder.remove(copies[std::size_t(i)].second);
}

// Copies the file's text aside, dated, before a save rewrites it. A copy of the same
// second gets a number, so no copy ever replaces another.
fs::Outcome keepDamagedCopy(const fs::Folder& folder, const std::string& name,
                            const std::string& temporary, const fs::ReadResult& raw,
                            unsigned permissions, const fs::SaveFault& fault)
{
    const std::string prefix = name + ".damaged-";
    const std::vector<std::string> before = folder.namesStartingWith(prefix);
    const std::time_t now = std::time(nullptr);
    const std::string dated = prefix + utcTimestamp(now);
    std::string copyName = dated;
    for (int number = 2; std::find(before.begin(), before.end(), copyName) != before.end();
         ++number)
        copyName = dated + '-' + std::to_string(number);
    fs::Outcome added = folder.add(copyName, temporary, raw.bytes, permissions, fault);
    if (!added.ok()) {
        if (added.entry.empty())
            added.problem = "the copy of its hand-edited text cannot be made: " + added.problem;
        return added;
    }
    removeOldestCopies(folder, before, prefix, static_cast<std::int64_t>(now));
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
    const auto failed = [&](const fs::Outcome& outcome) {
        return StoreChange{std::nullopt, aboutOutcome(location, outcome)};
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
    const unsigned permissions = StoreFilePermissions(location.shared);
    // Text a save would not keep goes aside first, with the store's mode or the
    // original's where that is narrower; without that copy, nothing is saved.
    if (current.state == StoreFileState::Read && !raw.bytes.empty() &&
        !keepsText(raw.bytes, before)) {
        if (fs::Outcome kept = keepDamagedCopy(*folder.value, name, temporary, raw,
                                               permissions & raw.permissions, hooks.saveFault);
            !kept.ok())
            return failed(kept);
    }
    const fs::Outcome saved =
        folder.value->replace(name, temporary, after, permissions, hooks.saveFault);
    if (!saved.ok()) return failed(saved);
    return {std::move(current.file), {}};
}

}  // namespace vantrel
