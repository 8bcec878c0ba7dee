#include "wss_stream.h"

#include "block_coder.h"
#include "block_layout.h"
#include "crc32.h"
#include "little_endian.h"
#include "pipeline.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <span>
#include <thread>

namespace wss {

CodecOptions optionsFromEnvironment()
{
    CodecOptions o;
    if (const char *k = std::getenv("WSS_KERNEL")) {
        for (Kernel kernel : {Kernel::Plain, Kernel::Sse2, Kernel::Avx2})
            if (std::strcmp(k, kernelName(kernel)) == 0 && kernelAvailable(kernel))
                o.kernel = kernel;
    }
    if (const char *t = std::getenv("WSS_THREADS"))
        o.threads = unsigned(std::strtoul(t, nullptr, 10));
    if (const char *s = std::getenv("WSS_SEARCH")) {
        if (std::strcmp(s, "greedy") == 0)
            o.search = Search::Greedy;
        else if (std::strcmp(s, "trellis") == 0)
            o.search = Search::Trellis;
    }
    return o;
}

namespace {

// Blocks in one chunk: about 256 KiB of samples whatever the channel count and block size (at
// least one block), with the streams (channel of a block) a multiple of 8 for the 8-lane kernel
// where there are that many.
std::size_t chunkBlocks(unsigned channels, std::size_t blockFrames)
{
    constexpr std::size_t kSamples = std::size_t{128} * 1025;
    std::size_t blocks = std::max<std::size_t>(1, kSamples / (blockFrames * channels));
    while (blocks > 1 && blocks * channels % 8 != 0)
        --blocks;
    return blocks;
}

// Below this many chunks, starting threads costs more than it gains.
constexpr std::uint64_t kChunksForThreads = 4;

// One worker fewer than the processors: the caller's thread codes too whenever it waits for one
// (see Pipeline).
unsigned workerCount(const CodecOptions &o, std::uint64_t frames, std::size_t chunkFrames)
{
    if (o.threads != kAutoThreads)
        return std::min(o.threads, 16u);
    if (frames < kChunksForThreads * chunkFrames)
        return 0;
    return std::clamp(std::thread::hardware_concurrency(), 2u, 17u) - 1;
}

struct EncodeSlot
{
    std::vector<std::int16_t> pcm;
    std::vector<std::uint8_t> coded;
    std::size_t frames = 0;
    std::size_t bytes = 0;
};

} // namespace

std::uint64_t encodeStream(unsigned channels, std::uint16_t blockFrames, std::uint64_t expectedFrames,
    const PcmSource &read, const ByteSink &write, CodecOptions options)
{
    const std::size_t B = blockFrames, G = chunkBlocks(channels, blockFrames);
    const std::size_t fullBytes = blockBytes(channels, B);
    Pipeline<EncodeSlot> pipeline(workerCount(options, expectedFrames, G * B), [&](EncodeSlot &s) {
        const std::size_t full = s.frames / B, rest = s.frames % B;
        encodeBlocks(channels, B, full, s.pcm.data(), s.coded.data(), options.kernel, options.search);
        s.bytes = full * fullBytes;
        if (rest > 0) {
            encodeBlocks(channels, rest, 1, s.pcm.data() + full * B * channels, s.coded.data() + s.bytes,
                options.kernel, options.search);
            s.bytes += blockBytes(channels, rest);
        }
    });
    Crc32Chain crc;
    std::uint64_t frames = 0;
    pipeline.run(
        [&](EncodeSlot &s) {
            s.pcm.resize(G * B * channels);
            s.coded.resize(G * fullBytes);
            s.frames = read(s.pcm, G * B);
            return s.frames == G * B;
        },
        [&](EncodeSlot &s) {
            chainBlockChecksums(s.coded.data(), s.bytes, fullBytes, crc);
            if (s.bytes > 0)
                write(s.coded.data(), s.bytes);
            frames += s.frames;
            return true;
        });
    return frames;
}

namespace {

struct DecodeSlot
{
    std::vector<std::uint8_t> coded;
    std::vector<std::int16_t> pcm;
    std::vector<std::uint32_t> bodyCrc;
    std::uint64_t firstBlock = 0;
    std::size_t blocks = 0; // complete blocks read
    std::size_t frames = 0; // in those blocks
    std::size_t good = 0; // leading blocks with sound channel headers
    bool truncated = false; // the input ended inside the block after them
};

// The rule block number `block` (at `bytes`) breaks, if its checksum, after the blocks before it
// (`chain`), is right; else BlockFault::None.
BlockCheck brokenRule(const Header &header, std::uint64_t block, const std::uint8_t *bytes, Crc32Chain chain)
{
    const std::size_t n = framesInBlock(header, block), body = blockBytes(header.channels, n) - kChecksumBytes;
    chain.append(Crc32::of(std::span(bytes, body)), body);
    if (chain.value() != get32(bytes + body))
        return {};
    return checkBlock(header.channels, n, bytes);
}

} // namespace

DecodeResult decodeStream(const Header &header, const ByteSource &read, const PcmSink &write, CodecOptions options)
{
    const unsigned C = header.channels;
    const std::size_t B = header.blockFrames, G = chunkBlocks(C, header.blockFrames);
    const std::uint64_t total = blockCount(header);
    const std::size_t fullBytes = blockBytes(C, B);
    Pipeline<DecodeSlot> pipeline(workerCount(options, header.frames, G * B), [&](DecodeSlot &s) {
        // All blocks of a chunk have B frames but maybe the very last of the sound.
        const bool lastShort = s.blocks > 0 && s.firstBlock + s.blocks == total && header.frames % B != 0;
        const std::size_t full = s.blocks - lastShort;
        s.good = decodeBlocks(C, B, full, s.coded.data(), s.pcm.data(), s.bodyCrc.data(), options.kernel);
        if (lastShort && s.good == full)
            s.good += decodeBlocks(C, std::size_t(header.frames % B), 1, s.coded.data() + full * fullBytes,
                s.pcm.data() + full * B * C, s.bodyCrc.data() + full, options.kernel);
    });
    DecodeResult result;
    Crc32Chain crc;
    std::uint64_t nextBlock = 0;
    pipeline.run(
        [&](DecodeSlot &s) {
            s.coded.resize(G * fullBytes);
            s.pcm.resize(G * B * C);
            s.bodyCrc.resize(G);
            s.firstBlock = nextBlock;
            const std::size_t blocks = std::size_t(std::min<std::uint64_t>(G, total - nextBlock));
            std::size_t want = 0, frames = 0;
            for (std::size_t b = 0; b < blocks; ++b) {
                const std::size_t n = framesInBlock(header, nextBlock + b);
                want += blockBytes(C, n);
                frames += n;
            }
            const std::size_t got = read(s.coded.data(), want);
            s.truncated = got < want;
            s.blocks = s.truncated ? got / fullBytes : blocks; // only the last block can be shorter
            s.frames = s.truncated ? s.blocks * B : frames;
            nextBlock += s.blocks;
            return !s.truncated && nextBlock < total;
        },
        [&](DecodeSlot &s) {
            std::size_t frames = 0, at = 0, b = 0;
            for (; b < s.good; ++b) {
                const std::size_t n = framesInBlock(header, s.firstBlock + b), size = blockBytes(C, n);
                const std::uint8_t *sum = s.coded.data() + at + size - 4;
                crc.append(s.bodyCrc[b], size - 4);
                if (crc.value() != std::uint32_t(sum[0] | sum[1] << 8 | sum[2] << 16 | std::uint32_t(sum[3]) << 24))
                    break;
                frames += n;
                at += size;
            }
            if (frames > 0)
                write(s.pcm.data(), frames);
            if (b < s.blocks) {
                result = {DecodeResult::Damaged, s.firstBlock + b, {}};
                if (b == s.good) // decodeBlocks() stopped at a rule it breaks: say which, if the checksum is right
                    result.broken = brokenRule(header, s.firstBlock + b, s.coded.data() + at, crc);
                return false;
            }
            if (s.truncated) {
                result = {DecodeResult::Truncated, s.firstBlock + s.blocks, {}};
                return false;
            }
            return true;
        });
    return result;
}

} // namespace wss
