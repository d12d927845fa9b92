#pragma once

// Moving the 180-byte record between memory and the machine root of the settings store,
// as the binary value fRegInfo of the key \Software\Vantrel.

#include "store/Registry.h"
#include "store/StoredRecord.h"

#include <functional>
#include <optional>

namespace vantrel {

inline constexpr const char16_t* RecordKeyPath = u"\\Software\\Vantrel";
inline constexpr const char* RecordValueName = "fRegInfo";

enum class RecordLoad {
    KeyNotOpened,  // nothing read, the record unchanged
    Defaults,      // no usable value: the defaults were applied
    Overlaid,      // the stored bytes were copied over the start of the record
};

// Replaces the record from the store. A missing, refused (a string, expandable string
// or 32-bit integer, or more than 180 bytes) or unreadable value gives the defaults; an
// accepted one is copied over the record for exactly its stored size. When the key can
// be neither opened nor created the record keeps what it holds.
RecordLoad LoadStoredRecord(const Registry& machine, StoredRecord& record);

// What one stored value (or none) does to the record, by the rules above.
RecordLoad ApplyStoredValue(const std::optional<RegistryValue>& stored, StoredRecord& record);

// One command's change to the record: an entry of a finished game, a reset of the
// list, the option flags.
using RecordChange = std::function<void(StoredRecord&)>;

// Saves a command's change. The store is shared by every copy of the game on the
// machine, so a save never writes back an older copy of the whole record, which would
// take away what other copies entered meanwhile: under the store's lock the stored
// value is read again and taken over the record as LoadStoredRecord takes it, change
// is made to that, and the result is written and becomes the record.
//
// When no save can be made (the key can be neither opened nor created, or the store
// refuses the write), the record gets change on its own, so the game goes on with it
// in memory, and StoreWriteError is thrown: the command stops there and the player is
// told. A failure is never taken for a save.
void UpdateStoredRecord(const Registry& machine, StoredRecord& record, const RecordChange& change);

}  // namespace vantrel
