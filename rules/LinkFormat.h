// The fixed sizes, offsets and flags of a shell link file's header, as the
// published shell link format gives them.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kHeaderSize = 0x4C;          // HeaderSize, the header's own length
constexpr uint32_t kLinkFlagsOffset = 0x14;     // LinkFlags
constexpr uint32_t kHotKeyOffset = 0x40;        // HotKey, 16 bits
constexpr uint32_t kHasLinkTargetIDList = 0x01; // LinkFlags: a LinkTargetIDList follows the header
constexpr uint32_t kHasLinkInfo = 0x02;         // LinkFlags: a LinkInfo follows

// The hotkey word (little-endian) of a link file's first `size` bytes; 0
// when they end before it.
inline std::uint16_t HotKeyWordIn(const unsigned char* bytes, std::size_t size)
{
    return size >= kHotKeyOffset + 2 ? static_cast<std::uint16_t>(bytes[kHotKeyOffset] | bytes[kHotKeyOffset + 1] << 8)
                                     : 0;
}
