#include "wss_format.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace wss {

namespace {

constexpr std::size_t kChannelHeaderBytes = 4;
constexpr std::size_t kCrcBytes = 4;

void put16(std::uint8_t *p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

void put64(std::uint8_t *p, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

std::uint16_t get16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

std::uint32_t get32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint64_t get64(const std::uint8_t *p)
{
    return std::uint64_t(get32(p)) | std::uint64_t(get32(p + 4)) << 32;
}

// Bytes holding the codes of one channel: frames 1..n-1, two to a byte.
std::size_t codeBytes(std::size_t frames)
{
    return frames / 2; // (frames - 1 + 1) / 2
}

} // namespace

std::array<std::uint8_t, kHeaderSize> serializeHeader(const Header &h)
{
    std::array<std::uint8_t, kHeaderSize> b{};
    std::copy(kMagic.begin(), kMagic.end(), b.begin());
    put16(&b[4], h.version);
    put16(&b[6], h.coding);
    put32(&b[8], h.sampleRate);
    put16(&b[12], h.channels);
    put16(&b[14], h.blockFrames);
    put64(&b[16], h.frames);
    put32(&b[24], 0);
    put32(&b[28], Crc32::of(std::span(b).first(28)));
    return b;
}

HeaderCheck parseHeader(std::span<const std::uint8_t, kHeaderSize> b, Header &h)
{
    if (!std::equal(kMagic.begin(), kMagic.end(), b.begin()))
        return {HeaderStatus::NotWss, "no WSS signature"};
    if (get32(&b[28]) != Crc32::of(b.first(28)))
        return {HeaderStatus::Damaged, "header checksum mismatch"};
    h.version = get16(&b[4]);
    h.coding = get16(&b[6]);
    h.sampleRate = get32(&b[8]);
    h.channels = get16(&b[12]);
    h.blockFrames = get16(&b[14]);
    h.frames = get64(&b[16]);
    if (h.version != kFormatVersion)
        return {HeaderStatus::UnsupportedVersion, "unsupported format version"};
    if (h.coding != kCodingIma4)
        return {HeaderStatus::UnsupportedCoding, "unsupported coding"};
    if (get32(&b[24]) != 0)
        return {HeaderStatus::Damaged, "reserved header field is not zero"};
    if (h.channels == 0 || h.blockFrames == 0 || h.sampleRate == 0)
        return {HeaderStatus::Damaged, "zero channels, block size or sample rate"};
    if (h.channels > kMaxChannels)
        return {HeaderStatus::UnsupportedLayout, "more than 8 channels"};
    if (h.sampleRate > kMaxSampleRate)
        return {HeaderStatus::UnsupportedLayout, "sample rate out of range"};
    if (!fileSize(h))
        return {HeaderStatus::UnsupportedLayout, "frame count out of range"};
    return {HeaderStatus::Ok, ""};
}

std::size_t blockBytes(unsigned channels, std::size_t frames)
{
    return channels * (kChannelHeaderBytes + codeBytes(frames)) + kCrcBytes;
}

std::uint64_t blockCount(const Header &h)
{
    return h.frames / h.blockFrames + (h.frames % h.blockFrames != 0);
}

std::size_t framesInBlock(const Header &h, std::uint64_t block)
{
    const std::uint64_t start = block * h.blockFrames;
    return std::size_t(std::min<std::uint64_t>(h.blockFrames, h.frames - start));
}

std::optional<std::uint64_t> fileSize(const Header &h)
{
    constexpr std::uint64_t kLimit = std::uint64_t(1) << 63;
    const std::uint64_t blocks = blockCount(h);
    const std::uint64_t full = h.frames / h.blockFrames;
    const std::uint64_t per = blockBytes(h.channels, h.blockFrames);
    if (full != 0 && per > kLimit / full)
        return std::nullopt;
    std::uint64_t size = kHeaderSize + full * per;
    if (blocks > full)
        size += blockBytes(h.channels, std::size_t(h.frames % h.blockFrames));
    if (size >= kLimit)
        return std::nullopt;
    return size;
}

int startIndex(const std::int16_t *first, std::size_t stride, std::size_t frames)
{
    // The step size IMA ADPCM settles on is about the typical change from one sample to the next;
    // starting there saves the first codes of the block from adapting to it.
    constexpr std::size_t kLook = 8;
    const std::size_t m = std::min(frames - 1, kLook);
    if (m == 0)
        return 0;
    long sum = 0;
    for (std::size_t k = 1; k <= m; ++k)
        sum += std::abs(first[k * stride] - first[(k - 1) * stride]);
    const long mean = sum / long(m);
    return int(std::lower_bound(kImaSteps.begin(), kImaSteps.end() - 1, mean) - kImaSteps.begin());
}

namespace {

// Codes one channel of one block, code by code: the reference the lane kernels must match.
void encodeStream(const std::int16_t *s, std::size_t stride, std::size_t frames, int index, std::uint8_t *p)
{
    ImaState st{s[0], index};
    s += stride;
    std::size_t k = 1;
    for (; k + 1 < frames; k += 2, s += 2 * stride) {
        const unsigned lo = imaEncode(st, s[0]);
        const unsigned hi = imaEncode(st, s[stride]);
        *p++ = std::uint8_t(lo | hi << 4);
    }
    if (k < frames)
        *p++ = std::uint8_t(imaEncode(st, s[0]));
}

void decodeStream(const std::uint8_t *p, std::size_t frames, ImaState st, std::int16_t *d, std::size_t stride)
{
    d += stride;
    std::size_t k = 1;
    for (; k + 1 < frames; k += 2, d += 2 * stride, ++p) {
        d[0] = imaDecode(st, *p & 0x0F);
        d[stride] = imaDecode(st, *p >> 4);
    }
    if (k < frames)
        d[0] = imaDecode(st, *p & 0x0F);
}

// Where stream `s` (channel s % channels of block s / channels) starts in the interleaved
// frames and in the coded blocks, and the state its codes start from.
struct Streams
{
    unsigned channels;
    std::size_t frames, size, perChannel;

    std::size_t pcmAt(std::size_t s) const { return (s / channels) * frames * channels + s % channels; }
    std::size_t codesAt(std::size_t s) const
    {
        return (s / channels) * size + channels * kChannelHeaderBytes + (s % channels) * perChannel;
    }
    std::size_t headerAt(std::size_t s) const { return (s / channels) * size + (s % channels) * kChannelHeaderBytes; }
};

// Runs the lane kernel on as many whole groups of lanes as there are, up to kMaxGroups groups a
// call, and returns the number of streams it did; the rest are for the plain code.
template <typename Call>
std::size_t runLanes(const Streams &st, std::size_t streams, Kernel kernel, const std::uint8_t *coded, Call call)
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
    const Streams st{channels, frames, blockBytes(channels, frames), codeBytes(frames)};
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
        encodeStream(pcm + st.pcmAt(s), channels, frames, out[st.headerAt(s) + 2], out + st.codesAt(s));
    for (std::size_t b = 0; b < count; ++b) {
        std::uint8_t *block = out + b * st.size;
        put32(block + st.size - kCrcBytes, Crc32::of(std::span(block, st.size - kCrcBytes)));
    }
}

std::size_t decodeBlocks(unsigned channels, std::size_t frames, std::size_t count, const std::uint8_t *in,
    std::int16_t *pcm, std::uint32_t *bodyCrc, Kernel kernel)
{
    const Streams st{channels, frames, blockBytes(channels, frames), codeBytes(frames)};
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
        decodeStream(in + st.codesAt(s), frames, ImaState{std::int16_t(get16(h)), h[2]}, pcm + st.pcmAt(s), channels);
    }
    for (std::size_t b = 0; b < good; ++b)
        bodyCrc[b] = Crc32::of(std::span(in + b * st.size, st.size - kCrcBytes));
    return good;
}

BlockEncoder::BlockEncoder(unsigned channels)
    : channels_(channels)
{
    assert(channels >= 1 && channels <= kMaxChannels);
}

std::size_t BlockEncoder::encode(std::span<const std::int16_t> in, std::size_t frames, std::span<std::uint8_t> out)
{
    const std::size_t size = blockBytes(channels_, frames);
    assert(frames >= 1 && in.size() >= frames * channels_ && out.size() >= size);
    encodeBlocks(channels_, frames, 1, in.data(), out.data(), Kernel::Plain);
    const std::size_t body = size - kCrcBytes;
    crc_.update(out.first(body));
    put32(out.data() + body, crc_.value());
    return size;
}

BlockDecoder::BlockDecoder(unsigned channels)
    : channels_(channels)
{
    assert(channels >= 1 && channels <= kMaxChannels);
}

bool BlockDecoder::decode(std::span<const std::uint8_t> block, std::size_t frames, std::span<std::int16_t> out)
{
    const std::size_t size = blockBytes(channels_, frames);
    assert(frames >= 1 && block.size() >= size && out.size() >= frames * channels_);
    const std::size_t body = size - kCrcBytes;
    crc_.update(block.first(body));
    if (get32(block.data() + body) != crc_.value())
        return false;

    const std::size_t perChannel = codeBytes(frames);
    const std::uint8_t *codes = block.data() + channels_ * kChannelHeaderBytes;
    for (unsigned c = 0; c < channels_; ++c) {
        const std::uint8_t *h = block.data() + c * kChannelHeaderBytes;
        if (h[2] > kImaMaxIndex || h[3] != 0)
            return false;
        ImaState st{std::int16_t(get16(h)), h[2]};
        std::int16_t *d = out.data() + c;
        *d = std::int16_t(st.predictor);
        d += channels_;
        const std::uint8_t *p = codes + c * perChannel;
        std::size_t k = 1;
        for (; k + 1 < frames; k += 2, d += 2 * std::size_t(channels_), ++p) {
            d[0] = imaDecode(st, *p & 0x0F);
            d[channels_] = imaDecode(st, *p >> 4);
        }
        if (k < frames) {
            if (*p >> 4)
                return false; // the unused half of the last byte must be zero
            d[0] = imaDecode(st, *p & 0x0F);
        }
    }
    return true;
}

} // namespace wss
