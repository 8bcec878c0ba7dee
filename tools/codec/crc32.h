#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wss {

// CRC-32 as used by zlib, PNG and Ethernet (reflected polynomial 0xEDB88320, register starting at
// 0xFFFFFFFF, result inverted). It can be fed piece by piece: feeding "ab" at once or "a" then "b"
// gives the same value, which is what lets the tools check a file while streaming it.
class Crc32
{
public:
    void update(std::span<const std::uint8_t> bytes);
    std::uint32_t value() const { return ~reg_; }

    static std::uint32_t of(std::span<const std::uint8_t> bytes)
    {
        Crc32 crc;
        crc.update(bytes);
        return crc.value();
    }

private:
    std::uint32_t reg_ = 0xFFFFFFFFu;
};

} // namespace wss
