// The decoder WSSdec ships (decodeStream: chunks of blocks, worker threads, the vector kernels)
// against the tests' reference decoder (BlockDecoder: one block at a time, code by code), on any
// bytes. Both must hand on the same samples, stop at the same block for the same reason (cut
// short, a wrong checksum, or the rule a block breaks), and neither may crash, hang, or read or
// allocate more than the header's block size justifies.
//
// The first byte of an input chooses how the shipped decoder runs: bits 0-1 the kernel (plain,
// SSE2, AVX2; the plain code where the processor lacks it), bits 2-3 the worker threads (0 to 3).
// Bit 4 sets each block's checksum right first: random bytes almost never carry the right
// checksums, which would keep the search out of the block decoding. The rest is the WSS file.

#include "block_coder.h"
#include "block_layout.h"
#include "crc32.h"
#include "ima_lanes.h"
#include "little_endian.h"
#include "tests/support/wss_block_coder.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

struct Decoded
{
    wss::DecodeResult result;
    std::vector<std::int16_t> pcm;
};

// Makes each complete block's checksum the running CRC of the block contents so far.
void fixChecksums(const wss::Header &header, std::span<std::uint8_t> blocks)
{
    wss::Crc32 crc;
    std::size_t at = 0;
    for (std::uint64_t b = 0; b < wss::blockCount(header); ++b) {
        const std::size_t bytes = wss::blockBytes(header.channels, wss::framesInBlock(header, b));
        if (blocks.size() - at < bytes)
            return;
        const std::size_t body = bytes - wss::kChecksumBytes;
        crc.update(blocks.subspan(at, body));
        wss::put32(blocks.data() + at + body, crc.value());
        at += bytes;
    }
}

Decoded referenceDecode(const wss::Header &header, std::span<const std::uint8_t> rest)
{
    Decoded d;
    std::vector<std::int16_t> pcm(std::size_t(header.blockFrames) * header.channels);
    wss::BlockDecoder decoder(header.channels);
    const std::uint64_t blocks = wss::blockCount(header);
    for (std::uint64_t b = 0; b < blocks; ++b) {
        const std::size_t frames = wss::framesInBlock(header, b);
        if (frames < 1 || frames > header.blockFrames)
            std::abort();
        const std::size_t bytes = wss::blockBytes(header.channels, frames);
        if (rest.size() < bytes) {
            d.result = {wss::DecodeResult::Truncated, b, {}};
            return d;
        }
        // An exact copy, so that the sanitizer sees any read past the block.
        const std::vector<std::uint8_t> block(rest.begin(), rest.begin() + std::ptrdiff_t(bytes));
        rest = rest.subspan(bytes);
        if (!decoder.decode(block, frames, pcm)) {
            d.result = {wss::DecodeResult::Damaged, b, decoder.broken()};
            return d;
        }
        d.pcm.insert(d.pcm.end(), pcm.begin(), pcm.begin() + std::ptrdiff_t(frames * header.channels));
    }
    return d;
}

Decoded shippedDecode(const wss::Header &header, std::span<const std::uint8_t> rest, wss::CodecOptions options)
{
    Decoded d;
    d.result = wss::decodeStream(
        header,
        [&](std::uint8_t *bytes, std::size_t n) {
            n = std::min(n, rest.size());
            std::copy_n(rest.begin(), n, bytes);
            rest = rest.subspan(n);
            return n;
        },
        [&](const std::int16_t *pcm, std::size_t frames) {
            d.pcm.insert(d.pcm.end(), pcm, pcm + frames * header.channels);
        },
        options);
    return d;
}

bool same(const wss::BlockCheck &a, const wss::BlockCheck &b)
{
    return a.fault == b.fault && a.channel == b.channel && a.value == b.value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1 + wss::kHeaderSize)
        return 0;
    const std::uint8_t how = data[0];
    std::vector<std::uint8_t> file(data + 1, data + size);
    wss::Header header;
    const std::span<const std::uint8_t, wss::kHeaderSize> headerBytes(file.data(), wss::kHeaderSize);
    if (wss::parseHeader(headerBytes, header).status != wss::HeaderStatus::Ok)
        return 0;
    // What the header's sizes allow: blocks of at most 65535 frames of at most 8 channels.
    if (header.channels < 1 || header.channels > wss::kMaxChannels || header.blockFrames < 1)
        std::abort();
    const std::span<std::uint8_t> blocks = std::span(file).subspan(wss::kHeaderSize);
    if (how & 0x10)
        fixChecksums(header, blocks);

    wss::CodecOptions options;
    const wss::Kernel kernels[] = {wss::Kernel::Plain, wss::Kernel::Sse2, wss::Kernel::Avx2, wss::Kernel::Avx2};
    options.kernel = kernels[how & 3];
    if (!wss::kernelAvailable(options.kernel))
        options.kernel = wss::Kernel::Plain;
    options.threads = (how >> 2) & 3u;

    const Decoded reference = referenceDecode(header, blocks);
    const Decoded shipped = shippedDecode(header, blocks, options);
    if (shipped.result.status != reference.result.status || shipped.result.block != reference.result.block
        || !same(shipped.result.broken, reference.result.broken) || shipped.pcm != reference.pcm)
        std::abort();
    if (reference.result.status == wss::DecodeResult::Ok && reference.pcm.size() != header.frames * header.channels)
        std::abort();
    return 0;
}
