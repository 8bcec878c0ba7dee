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

// The CRC-32 of pieces one after another, from each piece's own CRC-32 and length: pieces can be
// checked apart (on several threads) and chained afterwards, in order.
class Crc32Chain
{
public:
    void append(std::uint32_t pieceCrc, std::size_t pieceBytes);
    std::uint32_t value() const { return crc_; }

private:
    std::uint32_t crc_ = 0; // CRC-32 of nothing
    std::size_t opBytes_ = 0;
    std::uint32_t op_ = 0; // zlib's combining operator for pieces of opBytes_ bytes
};

} // namespace wss
