#include "block_coder.h"

#include "block_layout.h"
#include "crc32.h"
#include "little_endian.h"
#include "plain_coder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <span>

namespace wss {

namespace {

// Runs the lane kernel on as many whole groups of lanes as there are, up to kMaxGroups groups a
// call, and returns the number of streams it did; the rest are for the plain code.
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
        for (std::size_t l = 0; l < groups * lanes; ++l) {
            const std::uint8_t *h = coded + st.headerAt(s + l);
            pcmOffset[l] = std::int32_t(st.pcmAt(s + l));
            codeOffset[l] = std::int32_t(st.codesAt(s + l));
            predictor[l] = std::int16_t(get16(h));
            index[l] = h[2];
        }
        call(int(groups), job);
        s += groups * lanes;
    }
    return s;
}

} // namespace

void encodeBlocks(
    unsigned channels, std::size_t frames, std::size_t count, const std::int16_t *pcm, std::uint8_t *out, Kernel kernel)
{
    const BlockStreams st(channels, frames);
    const std::size_t streams = count * channels;
    assert(frames >= 1 && count * st.size < 0x7FFFFFFF && count * frames * channels < 0x7FFFFFFF);
    // Channel headers first: the first sample whole, and the step index the codes start from.
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
        done = runLanes(
            st, streams, kernel, out, [&](int groups, const lanes::Job &job) { encode(groups, job, pcm, out); });
    }
#endif
    for (std::size_t s = done; s < streams; ++s)
        encodeStreamPlain(pcm + st.pcmAt(s), channels, frames, out[st.headerAt(s) + 2], out + st.codesAt(s));
    for (std::size_t b = 0; b < count; ++b) {
        std::uint8_t *block = out + b * st.size;
        put32(block + st.size - kChecksumBytes, Crc32::of(std::span(block, st.size - kChecksumBytes)));
    }
}

std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel)
{
    const BlockStreams st(channels, frames);
    assert(frames >= 1 && count * st.size < 0x7FFFFFFF && count * frames * channels < 0x7FFFFFFF);
    // Only blocks whose step indexes are in the table may reach the kernels.
    std::size_t good = 0;
    for (; good < count; ++good) {
        bool ok = true;
        for (unsigned c = 0; c < channels && ok; ++c) {
            const std::uint8_t *h = in + st.headerAt(good * channels + c);
            ok = h[2] <= kImaMaxIndex && h[3] == 0;
            if (frames % 2 == 0) // an odd number of codes leaves the last byte's high half unused
                ok = ok && (in[st.codesAt(good * channels + c) + st.perChannel - 1] >> 4) == 0;
        }
        if (!ok)
            break;
    }
    const std::size_t streams = good * channels;
    for (std::size_t s = 0; s < streams; ++s)
        pcm[st.pcmAt(s)] = std::int16_t(get16(in + st.headerAt(s)));
    std::size_t done = 0;
#if defined(__x86_64__)
    if (kernel == Kernel::Avx2 || kernel == Kernel::Sse2) {
        const auto decode = kernel == Kernel::Avx2 ? lanes::decodeAvx2 : lanes::decodeSse2;
        done = runLanes(
            st, streams, kernel, in, [&](int groups, const lanes::Job &job) { decode(groups, job, in, pcm); });
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
