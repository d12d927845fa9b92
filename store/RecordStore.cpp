#include "store/RecordStore.h"

#include "store/StoreWriteError.h"

#include <exception>

namespace vantrel {

namespace {

QString ValueName() { return QString::fromLatin1(RecordValueName); }

// Text and integer values cannot be a record; every other type is taken as bytes, as
// the record has always been read.
bool IsRefusedType(ValueType type)
{
    return type == ValueType::String || type == ValueType::ExpandString || type == ValueType::Dword;
}

std::optional<RegistryValue> StoredValue(const RegistryKey& key)
{
    const auto info = key.valueInfo(ValueName());
    const auto bytes = key.readBytes(ValueName());
    if (!info || !bytes) {
        return std::nullopt;
    }
    return RegistryValue{info->type, *bytes};
}

QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

}  // namespace

RecordLoad ApplyStoredValue(const std::optional<RegistryValue>& stored, StoredRecord& record)
{
    if (!stored || IsRefusedType(stored->type) || stored->bytes.size() > StoredRecord::Size) {
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
    record.OverlayStoredValue(reinterpret_cast<const std::uint8_t*>(stored->bytes.constData()),
                              static_cast<std::size_t>(stored->bytes.size()));
    return RecordLoad::Overlaid;
}

RecordLoad LoadStoredRecord(const Registry& machine, StoredRecord& record)
{
    try {
        const std::optional<RegistryKey> key = machine.open(RecordKeyPath);
        return ApplyStoredValue(key ? StoredValue(*key) : std::nullopt, record);
    } catch (const std::exception&) {
        // Whatever goes wrong while reading, the program starts from the defaults.
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
}

StoredRecord SaveStoredChanges(const Registry& machine, const StoredRecord& base,
                               const std::vector<RecordChange>& changes)
{
    std::optional<RegistryKey> key = machine.open(RecordKeyPath);
    StoredRecord merged = base;
    const bool saved =
        key && key->updateValue(ValueName(), [&](const std::optional<RegistryValue>& stored) {
            merged = base;
            ApplyStoredValue(stored, merged);
            for (const RecordChange& change : changes) {
                change(merged);
            }
            return RegistryValue{ValueType::Binary, BytesOf(merged)};
        });
    if (!saved) {
        throw StoreWriteError(RecordValueName, key ? key->refusal().toStdString()
                                                   : std::string("the record's key has no path"));
    }
    return merged;
}

void UpdateStoredRecord(const Registry& machine, StoredRecord& record, const RecordChange& change)
{
    try {
        record = SaveStoredChanges(machine, record, {change});
    } catch (const StoreWriteError&) {
        change(record);
        throw;
    }
}

}  // namespace vantrel
