#pragma once

// Test sound for the benchmarks: a few tones and some noise, like music more than like a test
// tone, so the coder's step sizes move about as they would in use.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

inline std::vector<std::int16_t> makeSound(std::size_t frames, int channels, int rate, std::uint64_t start = 0)
{
    std::vector<std::int16_t> s(frames * std::size_t(channels));
    std::minstd_rand rng(unsigned(start) + 7);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(start + i) / rate;
        for (int c = 0; c < channels; ++c) {
            const double v = 0.30 * std::sin(2 * M_PI * (110.0 + 20 * c) * t)
                + 0.15 * std::sin(2 * M_PI * 660.0 * t) * std::sin(2 * M_PI * 0.5 * t)
                + 0.05 * std::sin(2 * M_PI * 3520.0 * t) + 0.02 * noise(rng);
            s[i * std::size_t(channels) + std::size_t(c)] = std::int16_t(std::lrint(v * 32767));
        }
    }
    return s;
}

// Pink noise (power falling 3 dB an octave, as in much music), about -16 dBFS RMS, one independent
// generator per channel; fill() gives successive frames.
class PinkNoise
{
public:
    explicit PinkNoise(int channels)
        : state_(std::size_t(channels))
    { }

    void fill(std::int16_t *frames, std::size_t count)
    {
        const std::size_t channels = state_.size();
        for (std::size_t i = 0; i < count; ++i)
            for (std::size_t c = 0; c < channels; ++c) {
                // Paul Kellet's three-pole filter of white noise.
                auto &b = state_[c];
                const double w = gauss_(rng_);
                b[0] = 0.99765 * b[0] + w * 0.0990460;
                b[1] = 0.96300 * b[1] + w * 0.2965164;
                b[2] = 0.57000 * b[2] + w * 1.0526913;
                const double v = 0.05 * (b[0] + b[1] + b[2] + w * 0.1848);
                frames[i * channels + c] = std::int16_t(std::lrint(std::clamp(v, -1.0, 32767.0 / 32768) * 32768));
            }
    }

private:
    std::vector<std::array<double, 3>> state_;
    std::minstd_rand rng_{42};
    std::normal_distribution<double> gauss_{0.0, 1.0};
};
