#pragma once

// Moving the 180-byte record between memory and the machine root of the settings store,
// as the binary value fRegInfo of the key \Software\Vantrel.

#include "store/Registry.h"
#include "store/StoredRecord.h"

#include <functional>
#include <optional>
#include <vector>

namespace vantrel {

inline constexpr const char16_t* RecordKeyPath = u"\\Software\\Vantrel";
inline constexpr const char* RecordValueName = "fRegInfo";

enum class RecordLoad {
    Defaults,  // no usable value: the defaults were applied
    Overlaid,  // the stored bytes were copied over the start of the record
};

// Replaces the record from the store. A missing, refused (a string, expandable string
// or 32-bit integer, or more than 180 bytes) or unreadable value gives the defaults, as
// does a store that cannot be read at all, for whatever reason; an accepted one is
// copied over the record for exactly its stored size. Only reads: never waits for
// another copy's lock and never writes.
RecordLoad LoadStoredRecord(const Registry& machine, StoredRecord& record);

// What one stored value (or none) does to the record, by the rules above.
RecordLoad ApplyStoredValue(const std::optional<RegistryValue>& stored, StoredRecord& record);

// One command's change to the record: an entry of a finished game, a reset of the
// list, the option flags.
using RecordChange = std::function<void(StoredRecord&)>;

// Saves changes, in order. The store is shared by every copy of the game on the
// machine, so a save never writes back an older copy of the whole record, which would
// take away what other copies entered meanwhile: under the store's lock the stored
// value is read again and taken over base as LoadStoredRecord takes it, the changes are
// made to that, and the result is written and returned. When the store refuses the
// save, StoreWriteError is thrown, naming the file and the reason: a failure is never
// taken for a save.
StoredRecord SaveStoredChanges(const Registry& machine, const StoredRecord& base,
                               const std::vector<RecordChange>& changes);

// Saves one change into record the same way; when the save cannot be made, record gets
// the change on its own and StoreWriteError is thrown. (The window keeps such changes
// for the next save: KeptRecord.h.)
void UpdateStoredRecord(const Registry& machine, StoredRecord& record, const RecordChange& change);

}  // namespace vantrel
