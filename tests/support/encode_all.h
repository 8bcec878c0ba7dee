#pragma once

// Codes a whole sound held in memory with encodeStream() and the given options, for tests.

#include "wss_stream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wss {

inline std::vector<std::uint8_t> encodeAll(
    const std::vector<std::int16_t> &pcm, unsigned channels, std::uint16_t blockFrames, CodecOptions options)
{
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    encodeStream(
        channels, blockFrames, pcm.size() / channels,
        [&](std::vector<std::int16_t> &buf, std::size_t frames) {
            const std::size_t n = std::min(frames * channels, pcm.size() - at);
            std::copy_n(pcm.begin() + std::ptrdiff_t(at), n, buf.begin());
            at += n;
            return n / channels;
        },
        [&](const std::uint8_t *p, std::size_t n) { out.insert(out.end(), p, p + n); }, options);
    return out;
}

} // namespace wss
