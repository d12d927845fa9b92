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
    std::optional<RegistryKey> key;
    try {
        key = machine.open(RecordKeyPath);
    } catch (const std::exception&) {
        key.reset();
    }
    if (!key) {
        return RecordLoad::KeyNotOpened;
    }
    try {
        return ApplyStoredValue(StoredValue(*key), record);
    } catch (const std::exception&) {
        // Whatever goes wrong while reading, the program starts from the defaults.
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
}

void UpdateStoredRecord(const Registry& machine, StoredRecord& record, const RecordChange& change)
{
    std::optional<RegistryKey> key = machine.open(RecordKeyPath);
    StoredRecord merged = record;
    const bool saved =
        key && key->updateValue(ValueName(), [&](const std::optional<RegistryValue>& stored) {
            ApplyStoredValue(stored, merged);
            change(merged);
            return RegistryValue{ValueType::Binary, BytesOf(merged)};
        });
    if (!saved) {
        change(record);
        throw StoreWriteError(RecordValueName);
    }
    record = merged;
}

}  // namespace vantrel
