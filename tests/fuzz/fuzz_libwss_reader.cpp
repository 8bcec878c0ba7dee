// libwss's reader through its C API, on any bytes read through the read and seek callbacks: reads
// in pieces, seeks and reads again. Nothing may crash, hang or allocate beyond what the header's
// block size justifies; a read never gives more frames than asked or than the sound holds; a seek
// that succeeds puts the position where it was asked; the frames read after a seek are those read
// from the start.
//
// The first byte of an input chooses: bit 0 sets the header's checksum right and bit 1 each
// block's (random bytes almost never carry them, which would keep the search out of the blocks),
// bits 2-4 the size of the pieces read. The next 8 bytes are two seek targets. The rest is the file.

#include "wss/wss.h"

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Memory
{
    const std::uint8_t *bytes;
    std::int64_t size;
    std::int64_t at;
};

std::int64_t readMemory(void *user, void *buffer, size_t size)
{
    auto *m = static_cast<Memory *>(user);
    const std::int64_t n = std::min<std::int64_t>(std::int64_t(size), m->size - m->at);
    if (n > 0)
        std::memcpy(buffer, m->bytes + m->at, std::size_t(n));
    m->at += std::max<std::int64_t>(n, 0);
    return std::max<std::int64_t>(n, 0);
}

std::int64_t seekMemory(void *user, std::int64_t offset, int whence)
{
    auto *m = static_cast<Memory *>(user);
    const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->at : m->size;
    if (offset < -base || base + offset > m->size)
        return -1;
    m->at = base + offset;
    return m->at;
}

void put32(std::uint8_t *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

// Sets the checksums the control byte asks for, as a writer would (docs/wss-format.md).
void fixChecksums(std::vector<std::uint8_t> &file, unsigned control)
{
    if (file.size() < 32)
        return;
    if (control & 1)
        put32(file.data() + 28, std::uint32_t(crc32(0, file.data(), 28)));
    const unsigned channels = unsigned(file[12] | file[13] << 8);
    const std::size_t blockFrames = std::size_t(file[14] | file[15] << 8);
    if (!(control & 2) || channels == 0 || channels > 8 || blockFrames == 0)
        return;
    const std::size_t size = channels * (4 + blockFrames / 2) + 4;
    uLong chain = crc32(0, nullptr, 0);
    for (std::size_t at = 32; at + size <= file.size(); at += size) {
        chain = crc32(chain, file.data() + at, uInt(size - 4));
        put32(file.data() + at + size - 4, std::uint32_t(chain));
    }
}

std::vector<std::int16_t> readFrom(wss_file *f, std::uint64_t piece, std::uint64_t limit)
{
    const unsigned channels = wss_channels(f);
    std::vector<std::int16_t> out, buffer(piece * channels);
    while (out.size() / channels < limit) {
        const std::int64_t n = wss_read_s16(f, buffer.data(), piece);
        if (n <= 0)
            break;
        if (std::uint64_t(n) > piece)
            std::abort();
        out.insert(out.end(), buffer.begin(), buffer.begin() + n * channels);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 9)
        return 0;
    const unsigned control = data[0];
    std::uint32_t targets[2];
    std::memcpy(targets, data + 1, sizeof targets);
    std::vector<std::uint8_t> file(data + 9, data + size);
    fixChecksums(file, control);

    Memory memory{file.data(), std::int64_t(file.size()), 0};
    const wss_io io = {readMemory, seekMemory};
    wss_file *f = nullptr;
    if (wss_open_read_io(&io, &memory, &f) != WSS_OK) {
        if (f)
            std::abort();
        return 0;
    }
    const std::uint64_t piece = std::uint64_t(1) << (2 * ((control >> 2) & 7));
    const std::uint64_t frames = wss_frames(f);
    const std::vector<std::int16_t> all = readFrom(f, piece, ~std::uint64_t{0});
    if (all.size() / wss_channels(f) > frames)
        std::abort();
    for (const std::uint32_t target : targets) {
        const std::uint64_t frame = frames == 0 ? 0 : target % (frames + 1);
        if (wss_seek(f, frame) != WSS_OK)
            continue;
        if (wss_tell(f) != frame)
            std::abort();
        // Frames read from the start up to where that read stopped are the same after a seek.
        const std::uint64_t known = all.size() / wss_channels(f);
        const std::vector<std::int16_t> again = readFrom(f, piece, 4096);
        const std::size_t n
            = std::size_t(std::min<std::uint64_t>(again.size() / wss_channels(f), known > frame ? known - frame : 0))
            * wss_channels(f);
        if (n > 0
            && !std::equal(again.begin(), again.begin() + std::ptrdiff_t(n),
                all.begin() + std::ptrdiff_t(frame * wss_channels(f))))
            std::abort();
    }
    wss_close(f);
    return 0;
}
