#include "store/StoredRecord.h"

#include "store/LittleEndian.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace vantrel {

std::string StoredRecord::ShortString(int offset, int capacity) const
{
    // A damaged length byte is read as the field's capacity, never past the field.
    const int length = std::min<int>(bytes_[static_cast<std::size_t>(offset)], capacity);
    const auto* first = bytes_.data() + offset + 1;
    return std::string(reinterpret_cast<const char*>(first), static_cast<std::size_t>(length));
}

void StoredRecord::SetShortString(int offset, int capacity, const std::string& text)
{
    // Bytes after the new text are left as they were; nothing reads them.
    const auto length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(capacity));
    bytes_[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(length);
    std::memcpy(bytes_.data() + offset + 1, text.data(), length);
}

std::int32_t StoredRecord::TopScore(int entry) const
{
    assert(entry >= 1 && entry <= TopEntries);
    const auto at = static_cast<std::size_t>(TopScoreOffset + 4 * (entry - 1));
    return static_cast<std::int32_t>(ReadLittleEndian32(bytes_.data() + at));
}

void StoredRecord::SetTopScore(int entry, std::int32_t score)
{
    assert(entry >= 1 && entry <= TopEntries);
    const auto at = static_cast<std::size_t>(TopScoreOffset + 4 * (entry - 1));
    const auto bytes = LittleEndian32(static_cast<std::uint32_t>(score));
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string StoredRecord::TopName(int entry) const
{
    assert(entry >= 1 && entry <= TopEntries);
    return ShortString(TopNameFieldOffset(entry), NameCapacity);
}

void StoredRecord::SetTopName(int entry, const std::string& name)
{
    assert(entry >= 1 && entry <= TopEntries);
    SetShortString(TopNameFieldOffset(entry), NameCapacity, name);
}

std::string StoredRecord::LastName() const { return ShortString(LastNameOffset, NameCapacity); }

void StoredRecord::SetLastName(const std::string& name)
{
    SetShortString(LastNameOffset, NameCapacity, name);
}

std::string StoredRecord::Tag() const { return ShortString(TagOffset, TagCapacity); }

void StoredRecord::SetTag(const std::string& tag) { SetShortString(TagOffset, TagCapacity, tag); }

void StoredRecord::SetRecordDefaults()
{
    SetTag(RecordTagText);
    SetPlayRegGame(1);
    SetLargeCards(0);
    SetAltColors(0);
    if (bytes_[LastNameOffset] == 0) {
        SetLastName(DefaultLastName);
    }
    for (int entry = 1; entry <= TopEntries; ++entry) {
        SetTopScore(entry, 0);
        SetTopName(entry, EmptyEntryName);
    }
}

void StoredRecord::OverlayStoredValue(const std::uint8_t* data, std::size_t size)
{
    // An empty value changes nothing (and may come without any data at all).
    if (size == 0) {
        return;
    }
    std::memcpy(bytes_.data(), data, std::min<std::size_t>(size, bytes_.size()));
}

}  // namespace vantrel
