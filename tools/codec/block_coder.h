#pragma once

// Many blocks at once: the channel headers, then the codes of every stream (one channel of one
// block) by the chosen kernel, several streams side by side in vector lanes where it can, the
// rest by the plain code, and each block's own checksum. Every kernel gives the same bytes and
// samples.

#include "ima_lanes.h"

#include <cstddef>
#include <cstdint>

namespace wss {

// What makes a block unusable even when its checksum is right (docs/wss-format.md, "Reading
// rules"), and in which channel (0-based) and with which value.
enum class BlockFault {
    None,
    StepIndex, // a channel header's step index is above 88
    ReservedByte, // a channel header's reserved byte is not 0
    UnusedHalf, // the unused high half of a channel's last code byte is not 0
};
struct BlockCheck
{
    BlockFault fault = BlockFault::None;
    unsigned channel = 0;
    unsigned value = 0;
};

// The first rule the block of `frames` frames at `block` breaks, channel by channel in order.
BlockCheck checkBlock(unsigned channels, std::size_t frames, const std::uint8_t *block);

// How the codes are chosen. Both give streams any decoder reads; every kernel gives the same bytes
// for each.
enum class Search {
    Greedy, // each code the nearest to the next sample, as plain IMA ADPCM coders do (fast)
    Trellis, // a search over several paths for the least squared error (trellis_coder.cpp; the default)
};

// Codes `count` blocks of `frames` frames each (1..65535) from `count * frames` interleaved frames
// into `count * blockBytes(channels, frames)` bytes. The checksum field of each block gets the
// CRC-32 of that block's contents alone; Crc32Chain turns those into the file's running checksums.
void encodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out,
    Kernel kernel, Search search);
// The same with the default search, Search::Trellis.
void encodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out,
    Kernel kernel);

class Crc32Chain;

// Turns the checksum fields encodeBlocks() fills, each block's own CRC-32, into the file's running
// checksums, continuing `chain`: for `bytes` bytes of blocks of `fullBytes` each, the last one
// possibly shorter.
void chainBlockChecksums(std::uint8_t *blocks, std::size_t bytes, std::size_t fullBytes, Crc32Chain &chain);

// The other way round: checks the channel headers and padding of `count` blocks of `frames`
// frames (checkBlock), and decodes the leading blocks that pass into interleaved frames, with the CRC-32 of each
// one's contents in `bodyCrc` (its checksum field is left for the caller to compare along the
// chain). Returns how many leading blocks passed.
std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel);

} // namespace wss
