#include "wav_layout.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace wsstool {

namespace {

// Enough for the chunks of any real WAV file before its sound; a longer walk is not followed.
constexpr int kMostChunks = 1000;

constexpr std::uint16_t kFormatPcm = 1, kFormatFloat = 3, kFormatExtensible = 0xFFFE;

struct Numbers
{
    bool bigEndian;

    std::uint32_t u16(const std::uint8_t *p) const { return bigEndian ? p[0] << 8 | p[1] : p[1] << 8 | p[0]; }
    std::uint32_t u32(const std::uint8_t *p) const
    {
        return bigEndian ? u16(p) << 16 | u16(p + 2) : u16(p + 2) << 16 | u16(p);
    }
    std::uint64_t u64(const std::uint8_t *p) const
    {
        return bigEndian ? std::uint64_t(u32(p)) << 32 | u32(p + 4) : std::uint64_t(u32(p + 4)) << 32 | u32(p);
    }
};

bool is(const std::uint8_t *p, const char (&id)[5])
{
    return std::memcmp(p, id, 4) == 0;
}

} // namespace

bool WavLayout::lengthMissing() const
{
    return (kind == Riff || kind == Rifx) && dataChunks > 0 && (declared == 0 || declared == 0xFFFFFFFFu)
        && fileSize > dataOffset;
}

std::uint64_t WavLayout::held() const
{
    if (dataChunks == 0 || fileSize < dataOffset)
        return 0;
    const std::uint64_t after = fileSize - dataOffset;
    return lengthMissing() ? after : std::min(declared, after);
}

unsigned WavLayout::frameBytes() const
{
    const bool plain = formatTag == kFormatPcm || formatTag == kFormatFloat || formatTag == kFormatExtensible;
    if (!hasFormat || !plain || bitsPerSample == 0 || bitsPerSample % 8 != 0 || channels == 0
        || blockAlign != channels * (bitsPerSample / 8))
        return 0;
    return blockAlign;
}

WavLayout readWavLayout(const ReadAt &read, std::uint64_t fileSize)
{
    WavLayout w;
    w.fileSize = fileSize;
    std::array<std::uint8_t, 12> head{};
    if (read(0, head.data(), head.size()) != head.size() || !is(head.data() + 8, "WAVE"))
        return w;
    const WavLayout::Kind kind = is(head.data(), "RIFF") ? WavLayout::Riff
        : is(head.data(), "RIFX")                        ? WavLayout::Rifx
        : is(head.data(), "RF64")                        ? WavLayout::Rf64
                                                         : WavLayout::NotWalked;
    if (kind == WavLayout::NotWalked)
        return w;
    w.kind = kind;
    const Numbers n{kind == WavLayout::Rifx};
    std::uint64_t ds64Data = 0;
    std::uint64_t at = head.size();
    for (int i = 0; i < kMostChunks && at <= fileSize && fileSize - at >= 8; ++i) {
        std::array<std::uint8_t, 8> chunk{};
        if (read(at, chunk.data(), chunk.size()) != chunk.size())
            break;
        std::uint64_t size = n.u32(chunk.data() + 4);
        const std::uint64_t body = at + chunk.size();
        std::array<std::uint8_t, 24> b{};
        const std::size_t got = read(body, b.data(), std::size_t(std::min<std::uint64_t>(size, b.size())));
        if (is(chunk.data(), "fmt ") && got >= 16 && !w.hasFormat) {
            w.hasFormat = true;
            w.formatTag = std::uint16_t(n.u16(b.data()));
            w.channels = std::uint16_t(n.u16(b.data() + 2));
            w.sampleRate = n.u32(b.data() + 4);
            w.blockAlign = std::uint16_t(n.u16(b.data() + 12));
            w.bitsPerSample = std::uint16_t(n.u16(b.data() + 14));
        } else if (is(chunk.data(), "ds64") && got >= 16) {
            ds64Data = n.u64(b.data() + 8);
        } else if (is(chunk.data(), "data")) {
            if (++w.dataChunks > 1)
                break;
            if (kind == WavLayout::Rf64 && size == 0xFFFFFFFFu)
                size = ds64Data;
            w.dataOffset = body;
            w.lengthAt = at + 4;
            w.declared = size;
            if (size == 0 || size > fileSize - body)
                break; // the sound runs to the end of the file
        }
        at = body + size + (size & 1); // chunks start at even offsets
    }
    return w;
}

WavLayout readWavLayout(int fd)
{
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || st.st_size < 0)
        return {};
    return readWavLayout(
        [fd](std::uint64_t offset, std::uint8_t *bytes, std::size_t count) {
            std::size_t done = 0;
            while (done < count) {
                const ssize_t r = ::pread(fd, bytes + done, count - done, off_t(offset + done));
                if (r <= 0)
                    break;
                done += std::size_t(r);
            }
            return done;
        },
        std::uint64_t(st.st_size));
}

} // namespace wsstool
