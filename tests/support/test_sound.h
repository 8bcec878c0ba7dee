#pragma once

// Sounds for the tests, and how close a decoded sound comes to the one that was coded. Plain C++,
// for the codec, tool and window tests alike. The sounds are the same on every run (fixed seeds):
// the codec test's quality bounds are measured on exactly these.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

namespace test_sound {

// Interleaved frames, full scale 1.0. `kind`:
//   "sine"       a different pitch in each channel (220 Hz up to 1207 Hz), so swapped channels show
//   "low sine"   the same, lower (220 Hz, 361 Hz, 502 Hz, ...)
//   "loud sine"  "low sine" at 1.5 times full scale, for clipping
//   "sine8"      a 440 Hz sine as an 8-bit file holds it
//   "loud"       square waves beyond full scale, after 50 ms of silence
//   "white"      white noise, -14 dBFS RMS
//   "pink"       pink noise (a three-pole approximation of 1/f noise)
//   "speech"     a voiced buzz through two moving formants, in syllables
//   "music"      a chord of plucked notes with harmonics
inline std::vector<double> makeSound(std::string_view kind, int channels, int rate, std::size_t frames)
{
    std::vector<double> s(frames * std::size_t(channels));
    std::mt19937 rng(12345);
    std::normal_distribution<double> gauss(0.0, 1.0);
    double pink[3] = {0, 0, 0};
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        for (int c = 0; c < channels; ++c) {
            double v = 0;
            if (kind == "sine") {
                v = 0.5 * std::sin(2 * M_PI * (220.0 + 987.0 * c / std::max(1, channels - 1)) * t);
            } else if (kind == "low sine" || kind == "loud sine") {
                const double amplitude = kind == "loud sine" ? 1.5 : 0.5;
                v = amplitude * std::sin(2 * M_PI * (220.0 * (c + 2) / 2.0 + 31.0 * c) * double(i) / rate);
            } else if (kind == "sine8") {
                v = std::round(127 * 0.5 * std::sin(2 * M_PI * 440.0 * t)) / 128;
            } else if (kind == "loud") {
                v = t < 0.05 ? 0 : 1.5 * (std::sin(2 * M_PI * (50.0 + 30 * c) * t) > 0 ? 1 : -1);
            } else if (kind == "white") {
                v = 0.2 * gauss(rng);
            } else if (kind == "pink") {
                const double w = gauss(rng);
                pink[0] = 0.99765 * pink[0] + w * 0.0990460;
                pink[1] = 0.96300 * pink[1] + w * 0.2965164;
                pink[2] = 0.57000 * pink[2] + w * 1.0526913;
                v = 0.08 * (pink[0] + pink[1] + pink[2] + w * 0.1848);
            } else if (kind == "speech") {
                const double f0 = 110 + 30 * std::sin(2 * M_PI * 1.3 * t);
                const double phase = std::fmod(t * f0, 1.0);
                const double f1 = 500 + 300 * std::sin(2 * M_PI * 2.1 * t),
                             f2 = 1500 + 700 * std::sin(2 * M_PI * 1.7 * t);
                const double env = std::max(0.0, std::sin(2 * M_PI * 3.0 * t));
                v = env * std::exp(-phase * 30)
                        * (0.4 * std::sin(2 * M_PI * f1 * phase / f0) + 0.2 * std::sin(2 * M_PI * f2 * phase / f0))
                    + 0.002 * gauss(rng);
            } else if (kind == "music") {
                const double notes[] = {261.63, 329.63, 392.0, 523.25};
                for (int n = 0; n < 4; ++n) {
                    const double start = 0.25 * n, age = std::fmod(t - start + 4, 1.0);
                    for (int h = 1; h <= 6; ++h)
                        v += 0.08 / h * std::exp(-age * 3 * h) * std::sin(2 * M_PI * notes[n] * h * (t + 0.01 * c));
                }
            }
            s[i * std::size_t(channels) + std::size_t(c)] = v;
        }
    }
    return s;
}

// Full scale to 16 bits: rounded to nearest, clipped.
inline std::vector<std::int16_t> toPcm16(const std::vector<double> &sound)
{
    std::vector<std::int16_t> pcm(sound.size());
    for (std::size_t i = 0; i < sound.size(); ++i)
        pcm[i] = std::int16_t(std::clamp(std::lrint(sound[i] * 32768), -32768L, 32767L));
    return pcm;
}

inline std::vector<std::int16_t> makePcm16(std::string_view kind, int channels, int rate, std::size_t frames)
{
    return toPcm16(makeSound(kind, channels, rate, frames));
}

// Signal to noise ratio of the worst channel of `out` against `ref` (interleaved, of the same
// length), in dB.
template <typename Sample>
double worstChannelSnr(const std::vector<Sample> &ref, const std::vector<Sample> &out, int channels)
{
    double worst = std::numeric_limits<double>::infinity();
    for (int c = 0; c < channels; ++c) {
        double signal = 0, noise = 0;
        for (std::size_t i = std::size_t(c); i < ref.size() && i < out.size(); i += std::size_t(channels)) {
            const double r = double(ref[i]), d = r - double(out[i]);
            signal += r * r;
            noise += d * d;
        }
        worst = std::min(worst, 10 * std::log10(signal / std::max(noise, 1e-9)));
    }
    return worst;
}

} // namespace test_sound
