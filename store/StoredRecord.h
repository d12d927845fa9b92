#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vantrel {

// Everything kept between runs, as one 180-byte record in its stored layout.
// The layout never changes: other installations and earlier versions read the same
// bytes, so fields are reached only through the offsets below.
class StoredRecord {
public:
    static constexpr int Size = 180;
    static constexpr int TopEntries = 5;
    static constexpr int TagCapacity = 10;
    static constexpr int NameCapacity = 23;

    // Byte offsets of the fields.
    static constexpr int TagOffset = 0;  // short string, capacity 10
    static constexpr int PlayRegGameOffset = 11;
    static constexpr int AltColorsOffset = 12;
    static constexpr int LargeCardsOffset = 13;
    static constexpr int TopScoreOffset = 16;   // five little-endian 32-bit integers
    static constexpr int TopNameOffset = 36;    // five short strings, 24 bytes each
    static constexpr int LastNameOffset = 156;  // short string, capacity 23

    // Texts of a record made by the program itself.
    static constexpr const char* RecordTagText = "Vantrel5";
    static constexpr const char* EmptyEntryName = "None";  // a list slot with no player
    static constexpr const char* DefaultLastName = "Please enter your name!";

    using Bytes = std::array<std::uint8_t, Size>;

    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }

    std::uint8_t PlayRegGame() const { return bytes_[PlayRegGameOffset]; }
    std::uint8_t AltColors() const { return bytes_[AltColorsOffset]; }
    std::uint8_t LargeCards() const { return bytes_[LargeCardsOffset]; }
    void SetPlayRegGame(std::uint8_t v) { bytes_[PlayRegGameOffset] = v; }
    void SetAltColors(std::uint8_t v) { bytes_[AltColorsOffset] = v; }
    void SetLargeCards(std::uint8_t v) { bytes_[LargeCardsOffset] = v; }

    // Entries 1..5, 1 the best.
    std::int32_t TopScore(int entry) const;
    void SetTopScore(int entry, std::int32_t score);
    // Texts are single-byte (Windows-1252) strings, at most the field's capacity long.
    std::string TopName(int entry) const;
    void SetTopName(int entry, const std::string& name);
    std::string LastName() const;
    void SetLastName(const std::string& name);
    std::string Tag() const;
    void SetTag(const std::string& tag);

    // The defaults of a store that holds no record yet. A non-empty last name and
    // the spare bytes stay as they are.
    void SetRecordDefaults();

    // Copies a stored value over the start of the record; bytes beyond it keep
    // what they held. Values longer than the record are the caller's to refuse.
    void OverlayStoredValue(const std::uint8_t* data, std::size_t size);

private:
    std::string ShortString(int offset, int capacity) const;
    void SetShortString(int offset, int capacity, const std::string& text);
    static int TopNameFieldOffset(int entry) { return TopNameOffset + 24 * (entry - 1); }

    Bytes bytes_{};
};

}  // namespace vantrel
