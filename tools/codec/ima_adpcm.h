#pragma once

// IMA ADPCM: each 16-bit sample is coded as a 4-bit code relative to a running prediction. Coder
// and decoder keep the same state (the predicted sample and an index into a table of step sizes)
// and update it the same way, so the decoder rebuilds exactly what the encoder predicted.

#include <algorithm>
#include <array>
#include <cstdint>

namespace wss {

inline constexpr int kImaMaxIndex = 88;

inline constexpr std::array<std::int16_t, kImaMaxIndex + 1> kImaSteps = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21,
    23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253,
    279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878,
    2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Index change after each code; the sign bit (8) does not matter.
inline constexpr std::array<std::int8_t, 16> kImaIndexStep = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct ImaState
{
    int predictor = 0; // last decoded sample, -32768..32767
    int index = 0; // 0..kImaMaxIndex
};

namespace detail {

inline void imaApply(ImaState &s, unsigned code, int step)
{
    int diff = step >> 3;
    if (code & 4)
        diff += step;
    if (code & 2)
        diff += step >> 1;
    if (code & 1)
        diff += step >> 2;
    const int p = (code & 8) ? s.predictor - diff : s.predictor + diff;
    s.predictor = std::clamp(p, -32768, 32767);
    s.index = std::clamp(s.index + kImaIndexStep[code], 0, kImaMaxIndex);
}

} // namespace detail

// Decodes one 4-bit code (0..15) and returns the sample it stands for.
inline std::int16_t imaDecode(ImaState &s, unsigned code)
{
    detail::imaApply(s, code, kImaSteps[s.index]);
    return static_cast<std::int16_t>(s.predictor);
}

// Chooses the code for `sample` (the magnitude of the difference to the prediction, quantised in
// quarter steps) and advances the state exactly as imaDecode() will when it reads that code.
inline unsigned imaEncode(ImaState &s, std::int16_t sample)
{
    const int step = kImaSteps[s.index];
    const int diff = sample - s.predictor;
    const bool negative = diff < 0;
    int m = negative ? -diff : diff;
    // Successive approximation of m / step in three bits, with the same shifted steps the decoder
    // adds up, so rounding in the shifts cannot make the two sides drift apart. Written without
    // branches: the bits are as good as random, and mispredicted jumps would cost most of the time.
    const int b2 = m >= step;
    m -= step & -b2;
    const int b1 = m >= (step >> 1);
    m -= (step >> 1) & -b1;
    const int b0 = m >= (step >> 2);
    const int vpdiff = (step >> 3) + (step & -b2) + ((step >> 1) & -b1) + ((step >> 2) & -b0);
    const unsigned code = (negative ? 8u : 0u) | unsigned(b2 << 2 | b1 << 1 | b0);
    s.predictor = std::clamp(negative ? s.predictor - vpdiff : s.predictor + vpdiff, -32768, 32767);
    s.index = std::clamp(s.index + kImaIndexStep[code], 0, kImaMaxIndex);
    return code;
}

} // namespace wss
