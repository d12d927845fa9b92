#pragma once

// Moving the 180-byte record between memory and the machine root of the settings store,
// as the binary value fRegInfo of the key \Software\Vantrel.

#include "store/Registry.h"
#include "store/StoredRecord.h"

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

// Writes all 180 bytes as a binary value. Does nothing when the key can be neither
// opened nor created; throws StoreWriteError when the store refuses the write itself.
void SaveStoredRecord(const Registry& machine, const StoredRecord& record);

}  // namespace vantrel
