// The encoder WSSCod ships (encodeStream: the search, chunks of blocks, worker threads) on any
// samples: its blocks must decode with the tests' reference decoder block for block, frame 0 of
// every block exact, the same bytes with any kernel and thread count as with the plain code alone,
// and the decoded sound no noisier than the greedy coder's.
//
// The input: byte 0 chooses the kernel (bits 0-1: plain, SSE2, AVX2; the plain code where the
// processor lacks it) and the worker threads (bits 2-3: 0 to 3); byte 1 the channels (1 to 8, low
// 3 bits); bytes 2-3 the block frames (1 + their value modulo 1100); the rest is the sound, 16-bit
// little-endian samples, interleaved.

#include "block_layout.h"
#include "ima_lanes.h"
#include "little_endian.h"
#include "tests/support/encode_all.h"
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

// The decoded sound's squared error; aborts where a block does not decode or frame 0 is not exact.
double decodedNoise(const wss::Header &h, const std::vector<std::uint8_t> &coded, const std::vector<std::int16_t> &pcm)
{
    wss::BlockDecoder decoder(h.channels);
    std::vector<std::int16_t> out(std::size_t(h.blockFrames) * h.channels);
    std::size_t at = 0;
    double noise = 0;
    for (std::uint64_t b = 0; b < wss::blockCount(h); ++b) {
        const std::size_t frames = wss::framesInBlock(h, b), bytes = wss::blockBytes(h.channels, frames);
        if (coded.size() - at < bytes)
            std::abort();
        const std::vector<std::uint8_t> block(
            coded.begin() + std::ptrdiff_t(at), coded.begin() + std::ptrdiff_t(at + bytes));
        if (!decoder.decode(block, frames, out))
            std::abort();
        const std::size_t first = std::size_t(b) * h.blockFrames * h.channels;
        for (std::size_t i = 0; i < frames * h.channels; ++i) {
            const double e = double(out[i]) - pcm[first + i];
            if (i < h.channels && e != 0)
                std::abort();
            noise += e * e;
        }
        at += bytes;
    }
    if (at != coded.size())
        std::abort();
    return noise;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    wss::CodecOptions options;
    const wss::Kernel kernels[] = {wss::Kernel::Plain, wss::Kernel::Sse2, wss::Kernel::Avx2, wss::Kernel::Avx2};
    options.kernel = kernels[data[0] & 3];
    if (!wss::kernelAvailable(options.kernel))
        options.kernel = wss::Kernel::Plain;
    options.threads = (data[0] >> 2) & 3u;
    wss::Header h;
    h.channels = std::uint16_t((data[1] & 7) + 1);
    h.blockFrames = std::uint16_t(1 + wss::get16(data + 2) % 1100);
    h.frames = (size - 4) / 2 / h.channels;
    std::vector<std::int16_t> pcm(std::size_t(h.frames) * h.channels);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = std::int16_t(wss::get16(data + 4 + 2 * i));

    const auto coded = wss::encodeAll(pcm, h.channels, h.blockFrames, options);
    if (coded.size() != *wss::fileSize(h) - wss::kHeaderSize)
        std::abort();
    if (coded != wss::encodeAll(pcm, h.channels, h.blockFrames, {wss::Kernel::Plain, 0}))
        std::abort();
    wss::CodecOptions greedy = options;
    greedy.search = wss::Search::Greedy;
    if (decodedNoise(h, coded, pcm) > decodedNoise(h, wss::encodeAll(pcm, h.channels, h.blockFrames, greedy), pcm))
        std::abort();
    return 0;
}
