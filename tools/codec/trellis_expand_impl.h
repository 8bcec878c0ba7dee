#pragma once

// The search's inner step, every child of every path for one sample, written once and compiled
// twice: trellis_expand.cpp for every processor, trellis_expand_avx2.cpp with AVX2. Like
// ima_lanes_impl.h, everything here has internal linkage and calls no inline library function,
// so that no copy compiled for AVX2 can be merged into code that runs everywhere. Both compute the
// same integers, so the codes never depend on the copy that ran.

#include "ima_adpcm.h"
#include "trellis_expand.h"

#include <cstdint>
#include <cstring>

namespace wss::trellis {
namespace {

constexpr std::uint64_t kNone = ~std::uint64_t(0);

// The compiler's vectors (GCC and clang), made of whatever the processor has: plain loops here
// come out one child at a time.
using I32x8 = std::int32_t __attribute__((vector_size(32)));
using U32x8 = std::uint32_t __attribute__((vector_size(32)));
using U32x4 = std::uint32_t __attribute__((vector_size(16)));
using U64x4 = std::uint64_t __attribute__((vector_size(32)));

struct Tables
{
    std::int32_t diff[kImaMaxIndex + 1][8]; // what a code's magnitude bits add, as imaApply() sums them
    std::uint8_t next[kImaMaxIndex + 1][8]; // the step index after them
    std::int32_t step[kImaMaxIndex + 1];
};

constexpr Tables makeTables()
{
    Tables t{};
    for (int i = 0; i <= kImaMaxIndex; ++i) {
        const int step = kImaSteps[std::size_t(i)];
        t.step[i] = step;
        for (int m = 0; m < 8; ++m) {
            t.diff[i][m] = (step >> 3) + (m & 4 ? step : 0) + (m & 2 ? step >> 1 : 0) + (m & 1 ? step >> 2 : 0);
            const int to = i + kImaIndexStep[std::size_t(m)];
            t.next[i][m] = std::uint8_t(to < 0 ? 0 : to > kImaMaxIndex ? kImaMaxIndex : to);
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

inline std::uint64_t least(std::uint64_t a, std::uint64_t b)
{
    return a < b ? a : b;
}

// The magnitude bits plain IMA coding gives the difference `m` (≥ 0) at step size `step`.
inline int greedyMagnitude(int m, int step)
{
    const int b2 = m >= step;
    m -= step & -b2;
    const int b1 = m >= (step >> 1);
    m -= (step >> 1) & -b1;
    const int b0 = m >= (step >> 2);
    return b2 << 2 | b1 << 1 | b0;
}

// Every child of the paths for the sample x: its key, predictor and step index, with the codes
// outside `spread` of the greedy one keyless (kNone). On the way, the cheapest child of each step
// index, and each path's cheapest child.
inline void expandPaths(const Expansion &ex, int x, int spread)
{
    constexpr U64x4 kLow = {0, 1, 2, 3};
    constexpr I32x8 kMagnitude = {0, 1, 2, 3, 4, 5, 6, 7};
    for (std::size_t i = 0; i < ex.live; ++i) {
        const int from = ex.predictor[i];
        const auto index = std::size_t(ex.index[i]);
        const std::uint64_t cost = ex.cost[i];
        const int negative = -int(x < from); // all ones when the codes go down
        const auto base = i << 4 | std::size_t(negative & 8);
        I32x8 p;
        std::memcpy(&p, kTables.diff[index], sizeof p);
        p = from + ((p ^ negative) - negative);
        p = p < -32768 ? -32768 : p;
        p = p > 32767 ? 32767 : p;
        std::memcpy(ex.childPredictor + base, &p, sizeof p);
        std::memcpy(ex.childIndex + base, kTables.next[index], 8);
        I32x8 e = x - p;
        e = e < 0 ? -e : e;
        const auto e2 = U32x8(e) * U32x8(e); // |e| < 2^16, so e² fits 32 bits
        U32x4 half;
        std::memcpy(&half, &e2, sizeof half);
        U64x4 low = (cost + __builtin_convertvector(half, U64x4)) << kNumberBits | (base | kLow);
        std::memcpy(&half, reinterpret_cast<const char *>(&e2) + sizeof half, sizeof half);
        U64x4 high = (cost + __builtin_convertvector(half, U64x4)) << kNumberBits | (base | 4 | kLow);
        if (spread < 7) {
            const int g = greedyMagnitude(x > from ? x - from : from - x, kTables.step[index]);
            const I32x8 outside = (kMagnitude < g - spread) | (kMagnitude > g + spread);
            std::int32_t out[8];
            std::memcpy(out, &outside, sizeof out);
            for (int m = 0; m < 4; ++m) {
                low[m] = out[m] != 0 ? kNone : low[m];
                high[m] = out[m + 4] != 0 ? kNone : high[m];
            }
        }
        std::uint64_t *key = ex.key + i * 10 + 1;
        std::memcpy(key, &low, sizeof low);
        std::memcpy(key + 4, &high, sizeof high);
        // Magnitudes 0 to 3 all lower the step index by one.
        const std::uint64_t small = least(least(low[0], low[1]), least(low[2], low[3]));
        const std::uint8_t *next = kTables.next[index];
        std::uint64_t *bestAt = ex.bestAt;
        bestAt[next[0]] = least(bestAt[next[0]], small);
        for (int m = 0; m < 4; ++m)
            bestAt[next[m + 4]] = least(bestAt[next[m + 4]], high[m]);
        ex.cheapest[i] = least(small, least(least(high[0], high[1]), least(high[2], high[3])));
    }
}

} // namespace
} // namespace wss::trellis
