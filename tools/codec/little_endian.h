#pragma once

// Numbers as the WSS format stores them: little-endian, whatever the processor's own order.

#include <cstdint>

namespace wss {

inline void put16(std::uint8_t *p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

inline void put32(std::uint8_t *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

inline void put64(std::uint8_t *p, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

inline std::uint16_t get16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t get32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline std::uint64_t get64(const std::uint8_t *p)
{
    return std::uint64_t(get32(p)) | std::uint64_t(get32(p + 4)) << 32;
}

} // namespace wss
