#include "wss_format.h"

#include <algorithm>
#include <cassert>

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

BlockEncoder::BlockEncoder(unsigned channels)
    : channels_(channels)
{
    assert(channels >= 1 && channels <= kMaxChannels);
}

std::size_t BlockEncoder::encode(std::span<const std::int16_t> in, std::size_t frames, std::span<std::uint8_t> out)
{
    const std::size_t size = blockBytes(channels_, frames);
    assert(frames >= 1 && in.size() >= frames * channels_ && out.size() >= size);
    const std::size_t perChannel = codeBytes(frames);
    std::uint8_t *codes = out.data() + channels_ * kChannelHeaderBytes;
    for (unsigned c = 0; c < channels_; ++c) {
        // The first frame is stored as it is and starts the prediction.
        ImaState st{in[c], index_[c]};
        std::uint8_t *h = out.data() + c * kChannelHeaderBytes;
        put16(h, std::uint16_t(in[c]));
        h[2] = std::uint8_t(st.index);
        h[3] = 0;
        std::uint8_t *p = codes + c * perChannel;
        const std::int16_t *s = in.data() + channels_ + c;
        std::size_t k = 1;
        for (; k + 1 < frames; k += 2, s += 2 * std::size_t(channels_)) {
            const unsigned lo = imaEncode(st, s[0]);
            const unsigned hi = imaEncode(st, s[channels_]);
            *p++ = std::uint8_t(lo | hi << 4);
        }
        if (k < frames)
            *p++ = std::uint8_t(imaEncode(st, s[0]));
        index_[c] = st.index;
    }
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
