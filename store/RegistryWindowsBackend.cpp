// The settings store on Windows: the registry itself. A root's keys are kept below the
// registry key its location names (StorePathsWindows.cpp): the machine's HKLM, or for
// a player who may not write there, HKCU, through which the machine's own values show
// until the player keeps their own. Copies of the game take turns through a named
// mutex, so that each save merges its change into what the others stored.
#include "store/RegistryBackend.h"

#include <windows.h>

#include <sddl.h>

#include <QString>

#include <memory>
#include <vector>

namespace vantrel::backend {
namespace {

constexpr DWORD LockWaitMilliseconds = 2000;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OpenKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// A native key: its hive and the path below it.
struct NativeKey {
    HKEY hive = nullptr;
    std::wstring below;
    QString name;  // in full, for the player: "HKEY_LOCAL_MACHINE\Software\Vantrel"
};

std::wstring Wide(const QString& text) { return text.toStdWString(); }

HKEY HiveNamed(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("HKEY_LOCAL_MACHINE") || upper == QLatin1String("HKLM"))
        return HKEY_LOCAL_MACHINE;
    if (upper == QLatin1String("HKEY_CURRENT_USER") || upper == QLatin1String("HKCU"))
        return HKEY_CURRENT_USER;
    return nullptr;
}

// "HIVE\below" -> the native key; below may be empty.
NativeKey Native(const QString& path)
{
    const QChar slash = QLatin1Char('\\');
    return {HiveNamed(path.section(slash, 0, 0)), Wide(path.section(slash, 1)), path};
}

// Where the values of a key of the root are kept: below the location's key.
NativeKey KeptAt(const StoreLocation& location, const std::string& path)
{
    const QString full = QString::fromStdString(path);
    const QString below = full.mid(full.indexOf(QLatin1Char('\\')) + 1);
    return Native(location.filePath + QLatin1Char('\\') + below);
}

// The root's own key, when the location keeps its values elsewhere: read beneath them.
std::optional<NativeKey> ShowingThrough(const StoreLocation& location, const std::string& path)
{
    const NativeKey own = Native(QString::fromStdString(path));
    const NativeKey kept = KeptAt(location, path);
    if (own.hive == kept.hive && _wcsicmp(own.below.c_str(), kept.below.c_str()) == 0)
        return std::nullopt;
    return own;
}

// The reason a registry call failed, in words a player can act on.
QString Describe(LSTATUS status)
{
    switch (status) {
        case ERROR_ACCESS_DENIED:
            return QStringLiteral("access is denied");
        case ERROR_NOT_ENOUGH_QUOTA:
            return QStringLiteral("the registry is full");
        case ERROR_KEY_DELETED:
            return QStringLiteral("the key was deleted meanwhile");
        default:
            break;
    }
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString words = text != nullptr ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    if (words.endsWith(QLatin1Char('.'))) words.chop(1);
    if (words.isEmpty()) return QStringLiteral("error %1").arg(status);
    words[0] = words[0].toLower();
    return words;
}

OpenKey Open(const NativeKey& key, REGSAM access)
{
    HKEY opened = nullptr;
    if (key.hive == nullptr ||
        RegOpenKeyExW(key.hive, key.below.c_str(), 0, access, &opened) != ERROR_SUCCESS)
        return nullptr;
    return OpenKey(opened);
}

// Adds the key's values to into, replacing those of the same name.
void ReadValues(HKEY key, RegKey& into)
{
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD largestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &largestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(largestData);
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                          &size) != ERROR_SUCCESS)
            continue;
        into.setValue(RegValue{QString::fromWCharArray(name.data(), nameLength).toStdString(),
                               static_cast<ValueType>(type),
                               std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
    }
}

// Copies of the game on this machine, of every player, take turns to change the store.
class StoreLock {
public:
    explicit StoreLock(const std::function<void(bool waiting)>& waiting)
    {
        // Everyone may wait for it and release it, whoever made it first; and everyone
        // opens it asking for no more than that.
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;0x100001;;;WD)",
                                                             SDDL_REVISION_1, &descriptor, nullptr);
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        mutex_.reset(CreateMutexExW(&attributes, L"Global\\Vantrel settings store", 0,
                                    SYNCHRONIZE | MUTEX_MODIFY_STATE));
        LocalFree(descriptor);
        if (!mutex_) {
            problem_ =
                QStringLiteral("the store's lock cannot be made: ") + Describe(GetLastError());
            return;
        }
        DWORD waited = WaitForSingleObject(mutex_.get(), 0);
        if (waited == WAIT_TIMEOUT) {
            if (waiting) waiting(true);
            waited = WaitForSingleObject(mutex_.get(), LockWaitMilliseconds);
            if (waiting) waiting(false);
        }
        // An abandoned mutex is ours: its copy died, and each value it wrote is whole.
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        if (!held_) problem_ = QStringLiteral("another program holds the store");
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    ~StoreLock()
    {
        if (held_) ReleaseMutex(mutex_.get());
    }
    // Why the lock is not held; empty when it is.
    const QString& problem() const { return problem_; }

private:
    Handle mutex_;
    bool held_ = false;
    QString problem_;
};

// Writes the values that change made, and only those.
LSTATUS WriteChanged(const NativeKey& at, const RegKey& before, const RegKey& after)
{
    HKEY created = nullptr;
    const LSTATUS opened = RegCreateKeyExW(at.hive, at.below.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                           nullptr, &created, nullptr);
    if (opened != ERROR_SUCCESS) return opened;
    const OpenKey key(created);
    for (const RegValue& value : after.values) {
        const RegValue* old = before.findValue(value.name);
        if (old != nullptr && old->type == value.type && old->data == value.data) continue;
        const LSTATUS set =
            RegSetValueExW(key.get(), Wide(QString::fromStdString(value.name)).c_str(), 0,
                           static_cast<DWORD>(value.type), value.data.data(),
                           static_cast<DWORD>(value.data.size()));
        if (set != ERROR_SUCCESS) return set;
    }
    return ERROR_SUCCESS;
}

}  // namespace

std::optional<RegKey> readKey(const StoreLocation& location, const std::string& path)
{
    RegKey found{path, {}};
    bool exists = false;
    for (const auto& native :
         {ShowingThrough(location, path), std::optional(KeptAt(location, path))}) {
        if (!native) continue;
        if (const OpenKey key = Open(*native, KEY_QUERY_VALUE)) {
            exists = true;
            ReadValues(key.get(), found);
        }
    }
    if (!exists) return std::nullopt;
    return found;
}

KeyChange changeKey(const StoreLocation& location, const StoreHooks& hooks, const std::string& path,
                    const std::function<void(RegKey&)>& change)
{
    const NativeKey at = KeptAt(location, path);
    if (at.hive == nullptr) return {std::nullopt, at.name + QStringLiteral(": no such hive")};
    const StoreLock lock(hooks.lockWait);
    if (!lock.problem().isEmpty())
        return {std::nullopt, at.name + QStringLiteral(": ") + lock.problem()};
    const RegKey before = readKey(location, path).value_or(RegKey{path, {}});
    RegKey after = before;
    change(after);
    if (const LSTATUS written = WriteChanged(at, before, after); written != ERROR_SUCCESS)
        return {std::nullopt, at.name + QStringLiteral(": ") + Describe(written)};
    return {readKey(location, path).value_or(after), QString()};
}

}  // namespace vantrel::backend
