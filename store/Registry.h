#pragma once

// The settings store: keys under two roots, the machine's (HKEY_LOCAL_MACHINE, the
// stored record shared by all users) and the user's (HKEY_CURRENT_USER, the donation
// reminder's state). Each root is one text file in the registry export format (see
// RegFile.h); StorePaths.h says where the files live.
//
//   Registry machine(RegistryRoot::Machine);
//   std::optional<RegistryKey> key = machine.open(u"\\Software\\Vantrel");
//   if (!key)
//       return;                                   // cannot be opened or created
//   if (const auto info = key->valueInfo(u"fRegInfo"); info && info->type == ValueType::Binary)
//       ... key->readBytes(u"fRegInfo") ...
//   if (!key->writeBinary(u"fRegInfo", bytes))
//       ... the write was refused: report it ...
//
// Two failures are kept apart, as the callers must treat them differently:
//   * open() gives nothing when the key can neither be found nor created: the key is
//     missing and cannot be added (its folder cannot be made or written, the lock is
//     not had in time), or its path holds a control character. Nothing is read then.
//   * a write*() call returns false when the store refused the write after the key had
//     opened: the lock was not had in time, the file had become unreadable, or the
//     save failed. The stored file is then exactly as it was.
// A store file that is there but cannot be read (a link, a FIFO, a folder, a file
// over the size limit or one this user may not read) is left alone: every key opens
// empty from it, so readers get their defaults, and every write is refused.
//
// Key paths are backslash paths below the root, compared ignoring ASCII case:
// "Software\Vantrel", "\Software\Vantrel" and "software\\vantrel\" name one key.
// Value names also ignore ASCII case; the empty name is the key's default value.

#include "store/RegFile.h"
#include "store/StorePaths.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <string>

namespace vantrel {

enum class RegistryRoot { Machine, User };

struct ValueInfo {
    ValueType type = ValueType::Binary;
    qsizetype size = 0;  // in bytes, as the native store counts them
};

// A value's type and its bytes as the native store holds them.
struct RegistryValue {
    ValueType type = ValueType::Binary;
    QByteArray bytes;
};

// An open key. It holds the key's values as they were when it opened, updated by its
// own writes (a write re-reads the file, so it also brings in what other copies wrote
// meanwhile): the queries about one value always agree with each other. Every write
// is on disk when the call returns, so closing releases nothing but memory; a key is
// closed by close(), by its destructor, or by being moved from. A closed key has no
// values and refuses writes.
class RegistryKey {
public:
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() = default;

    bool isOpen() const { return open_; }
    void close();

    bool valueExists(QStringView name) const;
    std::optional<ValueInfo> valueInfo(QStringView name) const;
    // The value's bytes as the native store holds them (strings as UTF-16LE with
    // their terminating NUL, a dword as four little-endian bytes).
    std::optional<QByteArray> readBytes(QStringView name) const;
    // A dword, or a string or expandable string holding a decimal number (spaces
    // around allowed) that fits 32 bits signed; anything else reads as nothing.
    std::optional<qint32> readInteger(QStringView name) const;
    qint32 readInteger(QStringView name, qint32 fallback) const;
    // A string or expandable string (not expanded), without its terminating NUL.
    std::optional<QString> readString(QStringView name) const;

    [[nodiscard]] bool writeBinary(QStringView name, const QByteArray& bytes);
    [[nodiscard]] bool writeInteger(QStringView name, qint32 value);
    // type is String or ExpandString.
    [[nodiscard]] bool writeString(QStringView name, const QString& text,
                                   ValueType type = ValueType::String);
    [[nodiscard]] bool writeValue(QStringView name, ValueType type, const QByteArray& bytes);

    // Replaces the value by what update makes of it as the store holds it now, read
    // under the store's lock, so that whatever other copies wrote meanwhile is the
    // starting point; update gets nothing when the value is missing. Refused like any
    // write. update runs at most once.
    using ValueUpdate = std::function<RegistryValue(const std::optional<RegistryValue>& stored)>;
    [[nodiscard]] bool updateValue(QStringView name, const ValueUpdate& update);

private:
    friend class Registry;
    RegistryKey(StoreLocation location, RegKey snapshot);
    const RegValue* find(QStringView name) const;

    StoreLocation location_;
    RegKey snapshot_;  // its path is the full path with the hive
    bool open_ = false;
};

class Registry {
public:
    explicit Registry(RegistryRoot root);  // the file StorePaths names for the root
    Registry(RegistryRoot root, StoreLocation location);

    // Opens the key, creating it (and the store file and its folder) when missing.
    std::optional<RegistryKey> open(QStringView keyPath) const;
    // Opens the key only when it exists; never writes.
    std::optional<RegistryKey> openExisting(QStringView keyPath) const;

private:
    std::optional<RegistryKey> openKey(QStringView keyPath, bool createIfMissing) const;
    std::string fullPath(QStringView keyPath) const;

    RegistryRoot root_;
    StoreLocation location_;
};

}  // namespace vantrel
