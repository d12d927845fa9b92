#pragma once

// 32-bit integers as the stored record and the native store's dword values hold
// them: four bytes, the lowest first, whatever the machine's own byte order.

#include <array>
#include <cstdint>

namespace vantrel {

inline std::uint32_t ReadLittleEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

inline std::array<std::uint8_t, 4> LittleEndian32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace vantrel
