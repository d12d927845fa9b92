#pragma once

// The settings store: keys under two roots, the machine's (HKEY_LOCAL_MACHINE, the
// stored record shared by all users) and the user's (HKEY_CURRENT_USER, the donation
// reminder's state). Each root is one text file in the registry export format (see
// RegFile.h); StorePaths.h says where the files live. On Windows the roots are the
// registry itself (RegistryBackend.h), and what is said below of files and locks holds
// for its keys and a named mutex.
//
//   Registry machine(RegistryRoot::Machine);
//   std::optional<RegistryKey> key = machine.open(u"\\Software\\Vantrel");
//   if (!key)
//       return;                                   // cannot be opened or created
//   if (const auto info = key->valueInfo(u"fRegInfo"); info && info->type == ValueType::Binary)
//       ... key->readBytes(u"fRegInfo") ...
//   if (!key->writeBinary(u"fRegInfo", bytes))
//       ... the write was refused: report key->refusal() ...
//
// Opening a key only reads: it never takes the lock and never writes, so start-up
// cannot wait for another copy of the game. A key or file that is not there opens
// empty and is made by the first write; so does a key of a store file that is there
// but cannot be read (a link, a FIFO, a folder, a file over the size limit, one this
// user may not read, or a private file or folder that is not the player's own), whose
// every write is then refused. open() gives nothing only for a path that names no key
// (empty, or holding a control character).
// A write*() call returns false when the store refused the write: the store is off,
// the lock was not had in time, the file had become unreadable, or the save failed.
// The stored file is then exactly as it was, and refusal() says why.

// Key paths are backslash paths below the root, compared ignoring ASCII case:
// "Software\Vantrel", "\Software\Vantrel" and "software\\vantrel\" name one key.
// Value names also ignore ASCII case; the empty name is the key's default value.

#include "store/RegFile.h"
#include "store/StoreFile.h"
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

    // Why the last write was refused, naming the file: "<file>: the disk is full".
    const QString& refusal() const { return refusal_; }

private:
    friend class Registry;
    RegistryKey(StoreLocation location, StoreHooks hooks, RegKey snapshot);
    const RegValue* find(QStringView name) const;

    StoreLocation location_;
    StoreHooks hooks_;
    RegKey snapshot_;  // its path is the full path with the hive
    bool open_ = false;
    QString refusal_;
};

class Registry {
public:
    explicit Registry(RegistryRoot root);  // the file StorePaths names for the root
    Registry(RegistryRoot root, StoreLocation location, StoreHooks hooks = {});

    // Opens the key as the store holds it now; a missing key opens empty. Never
    // writes and never waits.
    std::optional<RegistryKey> open(QStringView keyPath) const;
    // Opens the key only when it exists.
    std::optional<RegistryKey> openExisting(QStringView keyPath) const;

    const StoreLocation& location() const { return location_; }

private:
    std::optional<RegistryKey> openKey(QStringView keyPath, bool onlyExisting) const;
    std::string fullPath(QStringView keyPath) const;

    RegistryRoot root_;
    StoreLocation location_;
    StoreHooks hooks_;
};

}  // namespace vantrel
