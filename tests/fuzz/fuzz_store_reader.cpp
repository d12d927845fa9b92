// libFuzzer target: any bytes as a store file. Reading never fails, crashes or leaks;
// what a save would write reads back as the very same keys and values, and writes
// the same text again; and the record is taken from whatever the file holds at its
// key by the rules of the program's start-up, every field of it readable.

#include "store/RecordStore.h"
#include "store/RegFile.h"
#include "store/SingleByteText.h"
#include "store/StoreFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool SameValues(const vantrel::RegKey& a, const vantrel::RegKey& b)
{
    if (a.path != b.path || a.values.size() != b.values.size()) return false;
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const vantrel::RegValue& x = a.values[i];
        const vantrel::RegValue& y = b.values[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data) return false;
    }
    return true;
}

bool SameContents(const vantrel::RegFile& a, const vantrel::RegFile& b)
{
    if (a.keys().size() != b.keys().size()) return false;
    for (std::size_t i = 0; i < a.keys().size(); ++i) {
        if (!SameValues(a.keys()[i], b.keys()[i])) return false;
    }
    return true;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_store_reader: %s\n", what);
    std::abort();
}

void ReadRecordFrom(const vantrel::RegFile& file)
{
    std::optional<vantrel::RegistryValue> stored;
    if (const vantrel::RegKey* key = file.findKey("HKEY_LOCAL_MACHINE\\Software\\Vantrel")) {
        if (const vantrel::RegValue* value = key->findValue(vantrel::RecordValueName)) {
            stored = vantrel::RegistryValue{
                value->type, QByteArray(reinterpret_cast<const char*>(value->data.data()),
                                        static_cast<qsizetype>(value->data.size()))};
        }
    }
    vantrel::StoredRecord record;
    vantrel::ApplyStoredValue(stored, record);
    // A damaged length byte never makes a field show more than it can hold.
    qsizetype shown = vantrel::NameFromStoredBytes(record.Tag()).size() +
                      vantrel::NameFromStoredBytes(record.LastName()).size();
    for (int entry = 1; entry <= vantrel::StoredRecord::TopEntries; ++entry) {
        shown += vantrel::NameFromStoredBytes(record.TopName(entry)).size();
    }
    constexpr int Capacity =
        vantrel::StoredRecord::TagCapacity +
        (vantrel::StoredRecord::TopEntries + 1) * vantrel::StoredRecord::NameCapacity;
    if (shown > Capacity) Fail("a record shows more text than its fields hold");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(vantrel::LargestStoreFile))
        return 0;  // refused before it is parsed
    const vantrel::RegFile file =
        vantrel::RegFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string saved = file.serialise();
    const vantrel::RegFile reread = vantrel::RegFile::parse(saved);
    if (!SameContents(file, reread)) Fail("a saved file reads back as other keys or values");
    if (reread.serialise() != saved) Fail("a saved file is written differently the second time");
    ReadRecordFrom(file);
    return 0;
}
