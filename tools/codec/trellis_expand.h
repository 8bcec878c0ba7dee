#pragma once

// The search's inner step: every child of every path for one sample (trellis_expand_impl.h), for
// every processor and, in a copy of its own, for AVX2.

#include <cstddef>
#include <cstdint>

namespace wss::trellis {

constexpr int kNumberBits = 11; // a child's number: its path (up to 127) << 4 | its code

// The paths after one code, and where their children go.
struct Expansion
{
    const std::uint64_t *cost; // by path
    const std::int32_t *predictor;
    const std::uint8_t *index;
    std::size_t live; // paths
    std::uint64_t *key; // path * 10 + 1 + magnitude: cost << kNumberBits | number
    std::int32_t *childPredictor; // by number
    std::uint8_t *childIndex; // by number
    std::uint64_t *bestAt; // by step index: the cheapest key, lowered to it
    std::uint64_t *cheapest; // by path: its cheapest child's key
};

// `spread`: the codes tried, the greedy code's magnitude ± spread (7: all).
void expandPlain(const Expansion &e, int x, int spread);
#if defined(__x86_64__)
void expandAvx2(const Expansion &e, int x, int spread);
#endif

} // namespace wss::trellis
