#pragma once

// Where a Registry's keys live: the store's file in the registry export format
// (RegistryFileBackend.cpp), or on Windows the registry itself
// (RegistryWindowsBackend.cpp). Registry.cpp keeps what both share: the key's values
// as they were when it opened, the value types and the readings of them.

#include "store/RegFile.h"
#include "store/StoreFile.h"
#include "store/StorePaths.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace vantrel::backend {

// The key as the store holds it now, or nothing when there is none. path is the full
// path with its hive ("HKEY_LOCAL_MACHINE\Software\Vantrel"). Only reads: never waits
// and never writes.
std::optional<RegKey> readKey(const StoreLocation& location, const std::string& path);

// A change that was saved, with the key as saved; or why it was not.
struct KeyChange {
    std::optional<RegKey> saved;
    QString problem;  // "<where>: <reason>", for the player
};

// Runs change on the key as the store holds it now (made when missing), with the
// other copies of the program held off until it is saved, and saves it.
KeyChange changeKey(const StoreLocation& location, const StoreHooks& hooks, const std::string& path,
                    const std::function<void(RegKey&)>& change);

}  // namespace vantrel::backend
