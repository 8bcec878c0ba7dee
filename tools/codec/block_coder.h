#pragma once

// Many blocks at once: the channel headers, then the codes of every stream (one channel of one
// block) by the chosen kernel, several streams side by side in vector lanes where it can, the
// rest by the plain code, and each block's own checksum. Every kernel gives the same bytes and
// samples.

#include "ima_lanes.h"

#include <cstddef>
#include <cstdint>

namespace wss {

// Codes `count` blocks of `frames` frames each (1..65535) from `count * frames` interleaved frames
// into `count * blockBytes(channels, frames)` bytes. The checksum field of each block gets the
// CRC-32 of that block's contents alone; Crc32Chain turns those into the file's running checksums.
void encodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out,
    Kernel kernel);

// The other way round: checks the channel headers and padding of `count` blocks of `frames`
// frames, and decodes the leading blocks that pass into interleaved frames, with the CRC-32 of each
// one's contents in `bodyCrc` (its checksum field is left for the caller to compare along the
// chain). Returns how many leading blocks passed.
std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel);

} // namespace wss
