// wss_quality [--paths P] [--extra E] [--spread S] [--depth N] REF.wav [DECODED.wav...]: the
// round-trip signal to noise ratio of REF.wav (16-bit) through the WSS blocks, coded greedily, by
// the trellis (P paths at distinct step indexes and E more, codes within S of the greedy one) and
// by the depth-N look-ahead yardstick (N = 0: left
// out), and of each DECODED.wav (another coder's round trip of REF.wav) against REF.wav; also the
// trellis's and the greedy coder's processor time a sample (one thread; processor time rather than
// wall time, as the machine may be busy). One line, tab-separated:
//   frames  channels  rate  greedy  trellis  look-ahead  trellis-ns  greedy-ns  decoded...
// SNR is over the whole file and all channels, in dB.

#include "block_layout.h"
#include "look_ahead.h"
#include "plain_coder.h"
#include "trellis_coder.h"
#include "wss_header.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Sound
{
    int channels = 0, rate = 0;
    std::vector<std::int16_t> pcm;
};

bool readWav(const char *path, Sound &sound)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(path, SFM_READ, &info);
    if (!f) {
        std::fprintf(stderr, "wss_quality: cannot read %s: %s\n", path, sf_strerror(nullptr));
        return false;
    }
    sound.channels = info.channels;
    sound.rate = info.samplerate;
    sound.pcm.resize(std::size_t(info.frames) * std::size_t(info.channels));
    const sf_count_t got = sf_readf_short(f, sound.pcm.data(), info.frames);
    sound.pcm.resize(std::size_t(got) * std::size_t(info.channels));
    sf_close(f);
    return true;
}

// Over the frames both have (another coder may pad its last block).
double snr(const std::vector<std::int16_t> &ref, const std::vector<std::int16_t> &out)
{
    double signal = 0, noise = 0;
    for (std::size_t i = 0; i < std::min(ref.size(), out.size()); ++i) {
        signal += double(ref[i]) * ref[i];
        noise += double(ref[i] - out[i]) * (ref[i] - out[i]);
    }
    return noise == 0 ? INFINITY : 10 * std::log10(signal / noise);
}

// Codes every stream (channel of a block of wss::kDefaultBlockFrames) with `code`, which writes
// its codes and returns its start index, and decodes it again; the seconds the coding took.
using StreamCoder = std::function<int(const std::int16_t *, std::size_t stride, std::size_t frames, std::uint8_t *)>;
double roundTrip(const Sound &s, const StreamCoder &code, std::vector<std::int16_t> &out)
{
    const auto C = std::size_t(s.channels);
    const std::size_t frames = s.pcm.size() / C, B = wss::kDefaultBlockFrames;
    out.assign(s.pcm.size(), 0);
    std::vector<std::uint8_t> codes(wss::codeBytes(B) * C);
    std::vector<int> start(C);
    double seconds = 0;
    for (std::size_t f = 0; f < frames; f += B) {
        const std::size_t n = std::min(B, frames - f);
        const std::clock_t t0 = std::clock();
        for (std::size_t c = 0; c < C; ++c)
            start[c] = code(s.pcm.data() + f * C + c, C, n, codes.data() + c * wss::codeBytes(n));
        seconds += double(std::clock() - t0) / CLOCKS_PER_SEC;
        for (std::size_t c = 0; c < C; ++c) {
            out[f * C + c] = s.pcm[f * C + c];
            wss::decodeStreamPlain(codes.data() + c * wss::codeBytes(n), n, wss::ImaState{s.pcm[f * C + c], start[c]},
                out.data() + f * C + c, C);
        }
    }
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    wss::TrellisSettings settings;
    int depth = 5;
    int a = 1;
    for (; a + 1 < argc && std::strncmp(argv[a], "--", 2) == 0; a += 2) {
        const int v = std::atoi(argv[a + 1]);
        if (std::strcmp(argv[a], "--paths") == 0)
            settings.paths = v;
        else if (std::strcmp(argv[a], "--extra") == 0)
            settings.extra = v;
        else if (std::strcmp(argv[a], "--spread") == 0)
            settings.spread = v;
        else if (std::strcmp(argv[a], "--depth") == 0)
            depth = v;
    }
    if (a >= argc) {
        std::fprintf(
            stderr, "usage: wss_quality [--paths P] [--extra E] [--spread S] [--depth N] REF.wav [DECODED.wav...]\n");
        return 2;
    }
    Sound ref;
    if (!readWav(argv[a], ref))
        return 1;
    const double samples = double(ref.pcm.size());
    std::vector<std::int16_t> out;
    const double greedyTime = roundTrip(
        ref,
        [](const std::int16_t *s, std::size_t stride, std::size_t n, std::uint8_t *codes) {
            const int index = wss::startIndex(s, stride, n);
            wss::encodeStreamPlain(s, stride, n, index, codes);
            return index;
        },
        out);
    const double greedy = snr(ref.pcm, out);
    wss::TrellisScratch scratch;
    const double trellisTime = roundTrip(
        ref,
        [&](const std::int16_t *s, std::size_t stride, std::size_t n, std::uint8_t *codes) {
            return wss::encodeStreamTrellis(s, stride, n, codes, scratch, settings);
        },
        out);
    const double trellis = snr(ref.pcm, out);
    double lookAhead = NAN;
    if (depth > 0) {
        roundTrip(
            ref,
            [&](const std::int16_t *s, std::size_t stride, std::size_t n, std::uint8_t *codes) {
                const int index = wss::startIndex(s, stride, n);
                look_ahead::encodeStream(s, stride, n, index, codes, depth);
                return index;
            },
            out);
        lookAhead = snr(ref.pcm, out);
    }
    std::printf("%zu\t%d\t%d\t%.2f\t%.2f\t%.2f\t%.1f\t%.1f", ref.pcm.size() / std::size_t(ref.channels), ref.channels,
        ref.rate, greedy, trellis, lookAhead, trellisTime * 1e9 / samples, greedyTime * 1e9 / samples);
    for (int i = a + 1; i < argc; ++i) {
        Sound decoded;
        if (!readWav(argv[i], decoded))
            return 1;
        std::printf("\t%.2f", snr(ref.pcm, decoded.pcm));
    }
    std::printf("\n");
    return 0;
}
