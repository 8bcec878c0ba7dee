#include "wav_layout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace wsstool {

namespace {

// Enough for the chunks of any real WAV file before its sound; a longer walk is not followed.
constexpr int kMostChunks = 1000;
// More than any fmt chunk holds (WAVE_FORMAT_EXTENSIBLE's is 40 bytes, a codec's a few more).
constexpr std::uint64_t kMostFormatBytes = 1024;

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

// How much `id` looks like the id of a chunk: 2 for one of the chunks WAV writers write, 1 for
// four printable characters, 0 otherwise (a pad byte is 0, and a length seldom all printable).
int chunkScore(const std::string &id)
{
    static constexpr std::array<const char *, 20> kKnown = {"data", "fmt ", "fact", "LIST", "JUNK", "junk", "PAD ",
        "bext", "cue ", "smpl", "inst", "iXML", "id3 ", "ID3 ", "PEAK", "acid", "cart", "FLLR", "DISP", "axml"};
    if (id.size() != 4 || !std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return 0;
    return std::find(kKnown.begin(), kKnown.end(), id) != kKnown.end() ? 2 : 1;
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
    // The chunk id at `offset`, or "" where the file ends first.
    auto idAt = [&](std::uint64_t offset) {
        std::array<std::uint8_t, 4> id{};
        return read(offset, id.data(), id.size()) == id.size() ? std::string(id.begin(), id.end()) : std::string();
    };
    std::uint64_t ds64Data = 0;
    std::uint64_t at = head.size();
    for (int i = 0; i < kMostChunks && at <= fileSize && fileSize - at >= 8; ++i) {
        std::array<std::uint8_t, 8> chunk{};
        if (read(at, chunk.data(), chunk.size()) != chunk.size())
            break;
        std::uint64_t size = n.u32(chunk.data() + 4);
        const std::uint64_t body = at + chunk.size();
        std::array<std::uint8_t, 16> b{};
        const std::size_t got = read(body, b.data(), std::size_t(std::min<std::uint64_t>(size, b.size())));
        if (is(chunk.data(), "fmt ") && got >= 16 && !w.hasFormat) {
            w.hasFormat = true;
            w.formatTag = std::uint16_t(n.u16(b.data()));
            w.channels = std::uint16_t(n.u16(b.data() + 2));
            w.sampleRate = n.u32(b.data() + 4);
            w.blockAlign = std::uint16_t(n.u16(b.data() + 12));
            w.bitsPerSample = std::uint16_t(n.u16(b.data() + 14));
            w.formatChunk.resize(std::size_t(std::min<std::uint64_t>(size, kMostFormatBytes)));
            w.formatChunk.resize(read(body, w.formatChunk.data(), w.formatChunk.size()));
        } else if (is(chunk.data(), "ds64") && got >= 16) {
            ds64Data = n.u64(b.data() + 8);
        } else if (is(chunk.data(), "data")) {
            if (++w.dataChunks > 1)
                break;
            w.dataBeforeFormat = !w.hasFormat;
            if (kind == WavLayout::Rf64 && size == 0xFFFFFFFFu)
                size = ds64Data;
            w.dataOffset = body;
            w.lengthAt = at + 4;
            w.declared = size;
            if (size == 0 || size > fileSize - body)
                break; // the sound runs to the end of the file
        }
        if (size > fileSize - body)
            break;
        at = body + size;
        // Chunks start at even offsets, a pad byte after one of odd length; some writers leave
        // it out. Where only the offset without it holds a chunk, the next chunk is there.
        if (size & 1) {
            const int padded = chunkScore(idAt(at + 1)), unpadded = chunkScore(idAt(at));
            if (unpadded > padded) {
                w.padMissing = w.padMissing || w.dataChunks == 0;
                continue;
            }
            ++at;
        }
    }
    return w;
}

std::vector<std::uint8_t> plainWavHead(const WavLayout &w)
{
    const std::uint64_t held = w.held();
    const std::uint64_t format = w.formatChunk.size() + (w.formatChunk.size() & 1);
    const std::uint64_t riff = 4 + 8 + format + 8 + held; // "WAVE", fmt, data
    const bool big = riff > 0xFFFFFFFFu;
    if (big && w.kind == WavLayout::Rifx)
        return {};
    std::vector<std::uint8_t> out;
    auto text = [&](const char *id) { out.insert(out.end(), id, id + 4); };
    auto number = [&](std::uint64_t v, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) {
            const unsigned shift = w.kind == WavLayout::Rifx ? 8 * (bytes - 1 - i) : 8 * i;
            out.push_back(std::uint8_t(v >> shift));
        }
    };
    if (big) {
        // RF64: the lengths in a ds64 chunk, laid out as libsndfile writes it (with a table of no
        // chunk sizes and four bytes more), for every version of its reader to follow.
        text("RF64");
        number(0xFFFFFFFFu, 4);
        text("WAVE");
        text("ds64");
        number(32, 4);
        number(riff + 8 + 32, 8);
        number(held, 8);
        number(w.frameBytes() > 0 ? held / w.frameBytes() : 0, 8);
        number(0, 4);
        number(0, 4);
    } else {
        text(w.kind == WavLayout::Rifx ? "RIFX" : "RIFF");
        number(riff, 4);
        text("WAVE");
    }
    text("fmt ");
    number(w.formatChunk.size(), 4);
    out.insert(out.end(), w.formatChunk.begin(), w.formatChunk.end());
    out.resize(out.size() + (w.formatChunk.size() & 1));
    text("data");
    number(big ? 0xFFFFFFFFu : held, 4);
    return out;
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
