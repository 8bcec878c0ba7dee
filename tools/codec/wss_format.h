#pragma once

// The WSS file layout (docs/wss-format.md): a 32-byte header, then the sound in blocks of IMA
// ADPCM, each block closed by a CRC-32 of all block contents so far. (Not of the earlier
// checksums too: a CRC run over data followed by its own CRC always ends in the same state, which
// would make each block's checksum blind to the blocks before it.)
// Everything here works on memory only; reading and writing files is up to the caller, one block
// at a time.

#include "crc32.h"
#include "ima_adpcm.h"
#include "ima_lanes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace wss {

inline constexpr std::array<std::uint8_t, 4> kMagic = {'W', 'S', 'S', 0x1A};
inline constexpr std::uint16_t kFormatVersion = 1;
inline constexpr std::uint16_t kCodingIma4 = 1;
inline constexpr std::size_t kHeaderSize = 32;
inline constexpr unsigned kMaxChannels = 8;
inline constexpr std::uint32_t kMaxSampleRate = 0x7FFFFFFF;
// Frames per block written by the encoder: the first frame of a block is stored whole, the other
// 1024 take one byte per two frames, so a block holds whole bytes and every block starts exact.
inline constexpr std::uint16_t kDefaultBlockFrames = 1025;

struct Header
{
    std::uint16_t version = kFormatVersion;
    std::uint16_t coding = kCodingIma4;
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::uint16_t blockFrames = kDefaultBlockFrames;
    std::uint64_t frames = 0;
};

enum class HeaderStatus {
    Ok,
    NotWss,
    Damaged,
    UnsupportedVersion,
    UnsupportedCoding,
    UnsupportedLayout,
};

struct HeaderCheck
{
    HeaderStatus status;
    const char *reason; // what is wrong, for messages; empty when Ok
};

std::array<std::uint8_t, kHeaderSize> serializeHeader(const Header &h);
HeaderCheck parseHeader(std::span<const std::uint8_t, kHeaderSize> bytes, Header &out);

// Bytes taken by a block of `frames` frames (1..65535), its checksum included.
std::size_t blockBytes(unsigned channels, std::size_t frames);
std::uint64_t blockCount(const Header &h);
// Frames in block number `block` (0-based): blockFrames, except maybe the last.
std::size_t framesInBlock(const Header &h, std::uint64_t block);
// Size of the whole file, or nothing if it would not fit in 63 bits.
std::optional<std::uint64_t> fileSize(const Header &h);

// The step index a channel of a block starts from, chosen from the block's own first samples (the
// mean change between them), so that no block depends on another: `first` is the channel's frame
// 0, with `stride` samples from one frame to the next, and the block has `frames` frames.
int startIndex(const std::int16_t *first, std::size_t stride, std::size_t frames);

// Codes `count` blocks of `frames` frames each (1..65535) from `count * frames` interleaved frames
// into `count * blockBytes(channels, frames)` bytes. The checksum field of each block gets the
// CRC-32 of that block's contents alone; Crc32Chain turns those into the file's running checksums.
// Every kernel gives the same bytes.
void encodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out,
    Kernel kernel);

// The other way round: checks the channel headers and padding of `count` blocks of `frames`
// frames, and decodes the leading blocks that pass into interleaved frames, with the CRC-32 of each
// one's contents in `bodyCrc` (its checksum field is left for the caller to compare along the
// chain). Returns how many leading blocks passed. Every kernel gives the same samples.
std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel);

// Codes blocks one at a time, in file order, keeping the running checksum.
class BlockEncoder
{
public:
    explicit BlockEncoder(unsigned channels);
    // `frames` interleaved frames (1..65535) into `out`, which must hold blockBytes(channels,
    // frames) bytes. Returns the bytes written.
    std::size_t encode(std::span<const std::int16_t> interleaved, std::size_t frames, std::span<std::uint8_t> out);

private:
    unsigned channels_;
    Crc32 crc_;
};

class BlockDecoder
{
public:
    explicit BlockDecoder(unsigned channels);
    // Checks and decodes one block of blockBytes(channels, frames) bytes into interleaved frames.
    // Returns false, leaving `out` unspecified, when the block is damaged.
    bool decode(std::span<const std::uint8_t> block, std::size_t frames, std::span<std::int16_t> interleaved);

private:
    unsigned channels_;
    Crc32 crc_;
};

} // namespace wss
