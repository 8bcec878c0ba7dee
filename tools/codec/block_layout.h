#pragma once

// How a block of a WSS file is laid out (docs/wss-format.md). A block of F frames holds, for each
// channel, a 4-byte channel header (frame 0 whole, and the step index the codes start from), then
// each channel's codes for frames 1..F-1, two to a byte; then a checksum: the CRC-32 of the
// contents of all blocks so far. (Not of the earlier checksums too: a CRC run over data followed
// by its own CRC always ends in the same state, which would make each block's checksum blind to
// the blocks before it.) Header-only: these sizes sit in the inner loops.

#include <cstddef>
#include <cstdint>

namespace wss {

inline constexpr std::size_t kChannelHeaderBytes = 4;
inline constexpr std::size_t kChecksumBytes = 4;

// Bytes holding the codes of one channel of a block of `frames` frames: frames 1..n-1, two to a
// byte.
inline std::size_t codeBytes(std::size_t frames)
{
    return frames / 2; // (frames - 1 + 1) / 2
}

// Bytes taken by a block of `frames` frames (1..65535), its checksum included.
inline std::size_t blockBytes(unsigned channels, std::size_t frames)
{
    return channels * (kChannelHeaderBytes + codeBytes(frames)) + kChecksumBytes;
}

// Blocks of equal size one after another, seen as streams: stream `s` is channel s % channels of
// block s / channels. Where each stream's frame 0 is among the interleaved frames, and where its
// channel header and its codes are among the coded bytes.
struct BlockStreams
{
    unsigned channels;
    std::size_t frames; // in each block
    std::size_t size; // bytes of each block, blockBytes(channels, frames)
    std::size_t perChannel; // code bytes of each stream, codeBytes(frames)

    BlockStreams(unsigned channelCount, std::size_t blockFrames)
        : channels(channelCount)
        , frames(blockFrames)
        , size(blockBytes(channelCount, blockFrames))
        , perChannel(codeBytes(blockFrames))
    { }

    std::size_t pcmAt(std::size_t s) const { return (s / channels) * frames * channels + s % channels; }
    std::size_t headerAt(std::size_t s) const { return (s / channels) * size + (s % channels) * kChannelHeaderBytes; }
    std::size_t codesAt(std::size_t s) const
    {
        return (s / channels) * size + channels * kChannelHeaderBytes + (s % channels) * perChannel;
    }
};

} // namespace wss
