// make_test_wav FILE SECONDS [RATE [CHANNELS [pink]]]: writes a 16-bit WAV of the benchmark sound
// (tones and some noise, or pink noise), a minute at a time, so even hours of it take little memory.

#include "sound.h"

#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 6) {
        std::fprintf(stderr, "usage: make_test_wav FILE SECONDS [RATE [CHANNELS [pink]]]\n");
        return 2;
    }
    const long seconds = std::atol(argv[2]);
    SF_INFO info{};
    info.samplerate = argc > 3 ? std::atoi(argv[3]) : 44100;
    info.channels = argc > 4 ? std::atoi(argv[4]) : 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *f = sf_open(argv[1], SFM_WRITE, &info);
    if (!f || seconds < 0) {
        std::fprintf(stderr, "make_test_wav: cannot write %s: %s\n", argv[1], sf_strerror(f));
        return 1;
    }
    const std::uint64_t total = std::uint64_t(seconds) * std::uint64_t(info.samplerate);
    const std::uint64_t chunk = std::uint64_t(info.samplerate) * 60;
    const bool pink = argc > 5 && std::string(argv[5]) == "pink";
    PinkNoise noise(info.channels);
    for (std::uint64_t done = 0; done < total; done += chunk) {
        const std::size_t n = std::size_t(std::min(chunk, total - done));
        auto pcm = makeSound(pink ? 0 : n, info.channels, info.samplerate, done);
        if (pink) {
            pcm.resize(n * std::size_t(info.channels));
            noise.fill(pcm.data(), n);
        }
        if (sf_writef_short(f, pcm.data(), sf_count_t(n)) != sf_count_t(n)) {
            std::fprintf(stderr, "make_test_wav: cannot write %s: %s\n", argv[1], sf_strerror(f));
            return 1;
        }
    }
    return sf_close(f) == 0 ? 0 : 1;
}
