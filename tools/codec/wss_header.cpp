#include "wss_header.h"

#include "block_layout.h"
#include "crc32.h"
#include "little_endian.h"

#include <algorithm>

// The reasons parseHeader() gives are shown to users: marked here for translation (as N_() marks
// texts in the tools; xgettext --keyword=N_) and translated where the tool shows them.
#define N_(text) text

namespace wss {

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
        return {HeaderStatus::NotWss, N_("no WSS signature")};
    if (get32(&b[28]) != Crc32::of(b.first(28)))
        return {HeaderStatus::Damaged, N_("header checksum mismatch")};
    h.version = get16(&b[4]);
    h.coding = get16(&b[6]);
    h.sampleRate = get32(&b[8]);
    h.channels = get16(&b[12]);
    h.blockFrames = get16(&b[14]);
    h.frames = get64(&b[16]);
    if (h.version != kFormatVersion)
        return {HeaderStatus::UnsupportedVersion, N_("unsupported format version")};
    if (h.coding != kCodingIma4)
        return {HeaderStatus::UnsupportedCoding, N_("unsupported coding")};
    if (get32(&b[24]) != 0)
        return {HeaderStatus::Damaged, N_("reserved header field is not zero")};
    if (h.channels == 0 || h.blockFrames == 0 || h.sampleRate == 0)
        return {HeaderStatus::Damaged, N_("zero channels, block size or sample rate")};
    if (h.channels > kMaxChannels)
        return {HeaderStatus::UnsupportedLayout, N_("more than 8 channels")};
    if (h.sampleRate > kMaxSampleRate)
        return {HeaderStatus::UnsupportedLayout, N_("sample rate out of range")};
    if (!fileSize(h))
        return {HeaderStatus::UnsupportedLayout, N_("frame count out of range")};
    return {HeaderStatus::Ok, ""};
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

} // namespace wss
