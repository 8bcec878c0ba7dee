// Reads any bytes as a WAV file the way WSSCod does: its own walk of the chunks, libsndfile on the
// file as it is or on a head made in memory spliced to its sound, the checks on format and layout,
// then the sound as 16-bit samples in blocks. Bad input must end in an error, never a crash.

#include "failure.h"
#include "wav_input.h"
#include "wav_reader.h"
#include "wss_header.h"

#include <sndfile.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// A cap on frames read per input, so that a header promising hours of sound in a few bytes of
// data does not slow the search down; the reader stops at the end of the data anyway.
constexpr std::uint64_t kMaxFrames = 1 << 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The input as a file, since the encoder reads its chunks with pread() and may splice them.
    const int fd = ::memfd_create("fuzz.wav", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size))
        std::abort();
    try {
        const wsstool::WavLayout layout = wsstool::readWavLayout(fd);
        wsstool::SplicedFile spliced;
        SF_INFO info{};
        wsstool::Sndfile file = wsstool::openWav(fd, "fuzz.wav", layout, spliced, info);
        // The encoder's own checks, before it sizes anything by the file's word.
        if (wsstool::isWavFamily(info.format) && info.channels >= 1 && unsigned(info.channels) <= wss::kMaxChannels
            && info.samplerate >= 1) {
            const std::size_t blockFrames = wss::kDefaultBlockFrames;
            std::vector<std::int16_t> pcm(blockFrames * std::size_t(info.channels));
            wsstool::PcmReader reader(file.get(), info);
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
    } catch (const wsstool::Failure &) {
        // Refused with a message: what bad input should get.
    }
    ::close(fd);
    return 0;
}
