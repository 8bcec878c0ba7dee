// Reads any bytes as a WAV file the way WSSCod does, through libsndfile's virtual I/O: the checks
// on format and layout, then the sound as 16-bit samples in blocks. Bad input must end in an
// error, never a crash.

#include "wav_reader.h"
#include "wss_header.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Memory
{
    const std::uint8_t *data;
    sf_count_t size;
    sf_count_t pos = 0;
};

sf_count_t length(void *user)
{
    return static_cast<Memory *>(user)->size;
}

sf_count_t seek(sf_count_t offset, int whence, void *user)
{
    auto *m = static_cast<Memory *>(user);
    sf_count_t to = offset;
    if (whence == SEEK_CUR)
        to += m->pos;
    else if (whence == SEEK_END)
        to += m->size;
    if (to < 0 || to > m->size)
        return -1;
    m->pos = to;
    return m->pos;
}

sf_count_t read(void *out, sf_count_t count, void *user)
{
    auto *m = static_cast<Memory *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(m->size - m->pos, 0, std::max<sf_count_t>(count, 0));
    if (n > 0)
        std::memcpy(out, m->data + m->pos, std::size_t(n));
    m->pos += n;
    return n;
}

sf_count_t write(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t tell(void *user)
{
    return static_cast<Memory *>(user)->pos;
}

// A cap on frames read per input, so that a header promising hours of sound in a few bytes of
// data does not slow the search down; the reader stops at the end of the data anyway.
constexpr std::uint64_t kMaxFrames = 1 << 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Memory memory{data, sf_count_t(size)};
    SF_VIRTUAL_IO io{length, seek, read, write, tell};
    SF_INFO info{};
    SNDFILE *file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (file == nullptr)
        return 0;
    // The encoder's own checks, before it sizes anything by the file's word.
    if (wsstool::isWavFamily(info.format) && info.channels >= 1 && unsigned(info.channels) <= wss::kMaxChannels
        && info.samplerate >= 1) {
        const std::size_t blockFrames = wss::kDefaultBlockFrames;
        std::vector<std::int16_t> pcm(blockFrames * std::size_t(info.channels));
        wsstool::PcmReader reader(file, info);
        std::uint64_t frames = 0;
        while (frames < kMaxFrames) {
            const std::size_t n = reader.read(pcm, blockFrames);
            if (n > blockFrames)
                std::abort();
            frames += n;
            if (n < blockFrames)
                break;
        }
    }
    sf_close(file);
    return 0;
}
