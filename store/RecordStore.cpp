#include "store/RecordStore.h"

#include "store/StoreWriteError.h"

#include <exception>

namespace vantrel {

namespace {

QString ValueName()
{
    return QString::fromLatin1(RecordValueName);
}

// Text and integer values cannot be a record; every other type is taken as bytes, as
// the record has always been read.
bool IsRefusedType(ValueType type)
{
    return type == ValueType::String || type == ValueType::ExpandString || type == ValueType::Dword;
}

RecordLoad ReadValueInto(const RegistryKey& key, StoredRecord& record)
{
    const auto info = key.valueInfo(ValueName());
    if (!info) {
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
    const auto bytes = key.readBytes(ValueName());
    if (IsRefusedType(info->type) || !bytes || bytes->size() > StoredRecord::Size) {
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
    record.OverlayStoredValue(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                              static_cast<std::size_t>(bytes->size()));
    return RecordLoad::Overlaid;
}

}  // namespace

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
        return ReadValueInto(*key, record);
    } catch (const std::exception&) {
        // Whatever goes wrong while reading, the program starts from the defaults.
        record.SetRecordDefaults();
        return RecordLoad::Defaults;
    }
}

void SaveStoredRecord(const Registry& machine, const StoredRecord& record)
{
    std::optional<RegistryKey> key = machine.open(RecordKeyPath);
    if (!key) {
        return;
    }
    const auto& bytes = record.bytes();
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), StoredRecord::Size);
    if (!key->writeBinary(ValueName(), data)) {
        throw StoreWriteError(RecordValueName);
    }
}

}  // namespace vantrel
