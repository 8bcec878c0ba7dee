#pragma once

// Test sound for the benchmarks: a few tones and some noise, like music more than like a test
// tone, so the coder's step sizes move about as they would in use.

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
