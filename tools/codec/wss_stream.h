#pragma once

// Whole sounds through the block coder: the blocks are coded in chunks, on worker threads when the
// sound is long enough, while the caller's thread reads the next chunk and writes the last one in
// file order. Memory stays a few chunks, whatever the length.

#include "block_coder.h"
#include "ima_lanes.h"
#include "wss_header.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace wss {

inline constexpr unsigned kAutoThreads = ~0u;

struct CodecOptions
{
    Kernel kernel = bestKernel();
    // Worker threads (0: the caller's thread codes too); kAutoThreads chooses: none for short
    // sounds, else one per processor.
    unsigned threads = kAutoThreads;
    Search search = Search::Trellis; // the encoder's
};

// Options from the environment, for tests and measurements: WSS_KERNEL=plain|sse2|avx2 (ignored if
// the processor lacks it), WSS_THREADS=N and WSS_SEARCH=greedy|trellis.
CodecOptions optionsFromEnvironment();

// Fills the buffer with up to `frames` interleaved frames and returns how many; fewer only at the
// end of the sound. The buffer holds at least that many.
using PcmSource = std::function<std::size_t(std::vector<std::int16_t> &buffer, std::size_t frames)>;
using ByteSink = std::function<void(const std::uint8_t *bytes, std::size_t n)>;

// Codes all the frames `read` gives as blocks of `blockFrames`, handing the blocks to `write` in
// file order, checksums chained. `expectedFrames` (0 if unknown) only decides on threads. Returns
// the number of frames coded. Exceptions from `read` and `write` pass through.
std::uint64_t encodeStream(unsigned channels, std::uint16_t blockFrames, std::uint64_t expectedFrames,
    const PcmSource &read, const ByteSink &write, CodecOptions options = {});

// Fills the buffer with up to n bytes and returns how many; fewer only at the end of the input.
using ByteSource = std::function<std::size_t(std::uint8_t *bytes, std::size_t n)>;
using PcmSink = std::function<void(const std::int16_t *interleaved, std::size_t frames)>;

struct DecodeResult
{
    enum Status { Ok, Truncated, Damaged } status = Ok;
    std::uint64_t block = 0; // the block that is cut short or fails its checks, 0-based
    // Damaged: the rule the block breaks although its checksum is right; BlockFault::None when its
    // checksum is wrong (checked first, as damage mostly shows there).
    BlockCheck broken;
};

// Reads and checks the blocks of the sound `header` describes and hands the frames of every block
// found intact to `write`, in order, stopping at the first one that is not. Bytes after the last
// block are not looked at.
DecodeResult decodeStream(
    const Header &header, const ByteSource &read, const PcmSink &write, CodecOptions options = {});

} // namespace wss
