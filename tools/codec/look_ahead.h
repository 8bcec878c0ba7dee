#pragma once
// The depth-N look-ahead coder (the published technique of choosing each code by the least squared
// error over the next N samples, as adpcm-xq's look-ahead does; written here, not taken from it).
// Per sample it searches every sequence of N codes, each of the sign of the difference it codes and
// any magnitude, from the best-looking first (the greedy code), cutting off any sequence already
// dearer than the best found, and keeps the first code of the best. The trellis search keeps its
// result where it beats the search's own (a look at what comes next finds what the paths kept by
// their cost so far can drop); the quality benchmark also measures it alone, as a yardstick.
#include "ima_adpcm.h"
#include "plain_coder.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace look_ahead {

struct Search
{
    const std::int16_t *s; // the stream's frames, `stride` apart
    std::size_t stride, frames;
    int depth;

    static int greedyMagnitude(int m, int step)
    {
        int g = 0;
        for (int bit = 4, part = step; bit > 0; bit >>= 1, part >>= 1)
            if (m >= part) {
                g |= bit;
                m -= part;
            }
        return g;
    }

    // The least squared error of frames k..k+left-1 from `state`, below `bound`; and the first code
    // of the best, in `first`.
    std::int64_t best(wss::ImaState state, std::size_t k, int left, std::int64_t bound, unsigned *first) const
    {
        if (left == 0 || k >= frames)
            return 0;
        const int x = s[k * stride];
        const int d = x - state.predictor;
        const unsigned sign = d < 0 ? 8 : 0;
        const int g = greedyMagnitude(d < 0 ? -d : d, wss::kImaSteps[std::size_t(state.index)]);
        std::int64_t least = bound;
        // The greedy magnitude first, then outwards from it.
        for (int j = 0; j < 15; ++j) {
            const int m = g + (j % 2 ? -(j + 1) / 2 : j / 2);
            if (m < 0 || m > 7)
                continue;
            wss::ImaState next = state;
            const int decoded = wss::imaDecode(next, sign | unsigned(m));
            const std::int64_t e = x - decoded;
            const std::int64_t here = e * e;
            if (here >= least)
                continue;
            const std::int64_t total = here + best(next, k + 1, left - 1, least - here, nullptr);
            if (total < least) {
                least = total;
                if (first)
                    *first = sign | unsigned(m);
            }
        }
        return least;
    }
};

// Codes one stream as encodeStreamPlain() does, each code chosen by the look-ahead.
inline void encodeStream(
    const std::int16_t *s, std::size_t stride, std::size_t frames, int index, std::uint8_t *codes, int depth)
{
    const Search search{s, stride, frames, depth};
    wss::ImaState state{s[0], index};
    for (std::size_t k = 1; k < frames; ++k) {
        unsigned code = 0;
        if (search.best(state, k, depth, std::numeric_limits<std::int64_t>::max(), &code)
            == std::numeric_limits<std::int64_t>::max())
            code = 0; // cannot happen: some sequence is always below the bound
        wss::imaDecode(state, code);
        codes[(k - 1) / 2] = std::uint8_t((k - 1) % 2 ? codes[(k - 1) / 2] | code << 4 : code);
    }
}

} // namespace look_ahead
