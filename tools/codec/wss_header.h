#pragma once

// The 32-byte header that starts every WSS file (docs/wss-format.md): what the sound is, and how
// it is cut into blocks, and so how long the file is. Memory only; reading and writing files is
// up to the caller.

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
    const char *reason; // what is wrong, in English, for messages (translated where shown); empty when Ok
};

std::array<std::uint8_t, kHeaderSize> serializeHeader(const Header &h);
HeaderCheck parseHeader(std::span<const std::uint8_t, kHeaderSize> bytes, Header &out);

// The blocks the header describes: how many, and the frames in block number `block` (0-based):
// blockFrames, except maybe the last.
std::uint64_t blockCount(const Header &h);
std::size_t framesInBlock(const Header &h, std::uint64_t block);
// Size of the whole file, or nothing if it would not fit in 63 bits.
std::optional<std::uint64_t> fileSize(const Header &h);

} // namespace wss
