#include "block_coder.h"

#include "block_layout.h"
#include "crc32.h"
#include "little_endian.h"
#include "plain_coder.h"
#include "trellis_coder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <span>

namespace wss {

namespace {

// Runs the lane kernel on as many whole groups of lanes as there are, up to kMaxGroups groups a
// call, and returns the number of streams it did; the rest are for the plain code. The kernels take
// 32-bit offsets: each call gets them from the first block it touches (`call(groups, job, block)`),
// so they stay small however many blocks there are.
template <typename Call>
std::size_t runLanes(const BlockStreams &st, std::size_t streams, Kernel kernel, const std::uint8_t *coded, Call call)
{
    const std::size_t lanes = kernelLanes(kernel);
    if (lanes <= 1 || st.frames < 2)
        return 0;
    constexpr std::size_t kMost = std::size_t{8} * lanes::kMaxGroups;
    std::array<std::int32_t, kMost> pcmOffset, codeOffset, predictor, index;
    const lanes::Job job{
        st.frames - 1, st.channels, pcmOffset.data(), codeOffset.data(), predictor.data(), index.data()};
    std::size_t s = 0;
    while (s + lanes <= streams) {
        const std::size_t groups = std::min<std::size_t>(lanes::kMaxGroups, (streams - s) / lanes);
        const std::size_t block = s / st.channels;
        const std::size_t first = block * st.channels; // the first stream of that block
        for (std::size_t l = 0; l < groups * lanes; ++l) {
            const std::uint8_t *h = coded + st.headerAt(s + l);
            pcmOffset[l] = std::int32_t(st.pcmAt(s + l - first));
            codeOffset[l] = std::int32_t(st.codesAt(s + l - first));
            predictor[l] = std::int16_t(get16(h));
            index[l] = h[2];
        }
        call(int(groups), job, block);
        s += groups * lanes;
    }
    return s;
}

// The greedy codes of `streams` streams: channel headers first (the first sample whole, and the
// step index the codes start from), then the codes by the kernel.
void encodeGreedy(
    const BlockStreams &st, std::size_t streams, const std::int16_t *pcm, std::uint8_t *out, Kernel kernel)
{
    const std::size_t channels = st.channels, frames = st.frames;
    for (std::size_t s = 0; s < streams; ++s) {
        std::uint8_t *h = out + st.headerAt(s);
        const std::int16_t *first = pcm + st.pcmAt(s);
        put16(h, std::uint16_t(first[0]));
        h[2] = std::uint8_t(startIndex(first, channels, frames));
        h[3] = 0;
    }
    std::size_t done = 0;
#if defined(__x86_64__)
    if (kernel == Kernel::Avx2 || kernel == Kernel::Sse2) {
        const auto encode = kernel == Kernel::Avx2 ? lanes::encodeAvx2 : lanes::encodeSse2;
        done = runLanes(st, streams, kernel, out, [&](int groups, const lanes::Job &job, std::size_t block) {
            encode(groups, job, pcm + block * frames * channels, out + block * st.size);
        });
    }
#endif
    for (std::size_t s = done; s < streams; ++s)
        encodeStreamPlain(pcm + st.pcmAt(s), channels, frames, out[st.headerAt(s) + 2], out + st.codesAt(s));
}

} // namespace

BlockCheck checkBlock(unsigned channels, std::size_t frames, const std::uint8_t *block)
{
    const BlockStreams st(channels, frames);
    for (unsigned c = 0; c < channels; ++c) {
        const std::uint8_t *h = block + st.headerAt(c);
        if (h[2] > kImaMaxIndex)
            return {BlockFault::StepIndex, c, h[2]};
        if (h[3] != 0)
            return {BlockFault::ReservedByte, c, h[3]};
        // An odd number of codes (frames 1..n-1) leaves the last byte's high half unused.
        if (frames % 2 == 0 && (block[st.codesAt(c) + st.perChannel - 1] >> 4) != 0)
            return {BlockFault::UnusedHalf, c, unsigned(block[st.codesAt(c) + st.perChannel - 1] >> 4)};
    }
    return {};
}

void encodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out,
    Kernel kernel, Search search)
{
    const BlockStreams st(channels, frames);
    const std::size_t streams = count * channels;
    assert(frames >= 1);
    if (search == Search::Trellis) {
        TrellisScratch scratch;
        for (std::size_t s = 0; s < streams; ++s) {
            std::uint8_t *h = out + st.headerAt(s);
            const std::int16_t *first = pcm + st.pcmAt(s);
            put16(h, std::uint16_t(first[0]));
            h[2] = std::uint8_t(encodeStreamTrellis(first, channels, frames, out + st.codesAt(s), scratch, {}, kernel));
            h[3] = 0;
        }
    } else {
        encodeGreedy(st, streams, pcm, out, kernel);
    }
    for (std::size_t b = 0; b < count; ++b) {
        std::uint8_t *block = out + b * st.size;
        put32(block + st.size - kChecksumBytes, Crc32::of(std::span(block, st.size - kChecksumBytes)));
    }
}

void encodeBlocks(
    unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out, Kernel kernel)
{
    encodeBlocks(channels, frames, count, pcm, out, kernel, Search::Trellis);
}

void chainBlockChecksums(std::uint8_t *blocks, std::size_t bytes, std::size_t fullBytes, Crc32Chain &chain)
{
    for (std::size_t at = 0; at < bytes;) {
        const std::size_t size = std::min(fullBytes, bytes - at);
        std::uint8_t *sum = blocks + at + size - kChecksumBytes;
        chain.append(get32(sum), size - kChecksumBytes);
        put32(sum, chain.value());
        at += size;
    }
}

std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel)
{
    const BlockStreams st(channels, frames);
    assert(frames >= 1);
    // Only blocks that keep the format's rules may reach the kernels (their step indexes index a
    // table).
    std::size_t good = 0;
    while (good < count && checkBlock(channels, frames, in + good * st.size).fault == BlockFault::None)
        ++good;
    const std::size_t streams = good * channels;
    for (std::size_t s = 0; s < streams; ++s)
        pcm[st.pcmAt(s)] = std::int16_t(get16(in + st.headerAt(s)));
    std::size_t done = 0;
#if defined(__x86_64__)
    if (kernel == Kernel::Avx2 || kernel == Kernel::Sse2) {
        const auto decode = kernel == Kernel::Avx2 ? lanes::decodeAvx2 : lanes::decodeSse2;
        done = runLanes(st, streams, kernel, in, [&](int groups, const lanes::Job &job, std::size_t block) {
            decode(groups, job, in + block * st.size, pcm + block * frames * channels);
        });
    }
#endif
    for (std::size_t s = done; s < streams; ++s) {
        const std::uint8_t *h = in + st.headerAt(s);
        decodeStreamPlain(
            in + st.codesAt(s), frames, ImaState{std::int16_t(get16(h)), h[2]}, pcm + st.pcmAt(s), channels);
    }
    for (std::size_t b = 0; b < good; ++b)
        bodyCrc[b] = Crc32::of(std::span(in + b * st.size, st.size - kChecksumBytes));
    return good;
}

} // namespace wss
