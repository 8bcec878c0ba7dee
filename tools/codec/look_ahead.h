#pragma once
// The depth-N look-ahead coder (the published technique of choosing each code by the least squared
// error over the next N samples, as adpcm-xq's look-ahead does; written here, not taken from it).
// Per sample it searches every sequence of N codes, each of the sign of the difference it codes and
// any magnitude, from the best-looking first (the greedy code), cutting off any sequence already
// dearer than the best found, and keeps the first code of the best. The trellis search keeps its
// result where it beats the search's own (a look at what comes next finds what the paths kept by
// their cost so far can drop); the quality benchmark also measures it alone, as a yardstick.
#include "ima_adpcm.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace look_ahead {

struct Search
{
    const std::int16_t *s; // the stream's frames, `stride` apart
    std::size_t stride, frames;
    int depth;
    mutable long budget = 0; // codes still to try for the stream; then only the greedy one a frame

    // The least squared error of frames k..k+left-1 from `state`, below `bound`; and the first code
    // of the best, in `first`.
    std::int64_t best(wss::ImaState state, std::size_t k, int left, std::int64_t bound, unsigned *first) const
    {
        if (left == 0 || k >= frames)
            return 0;
        const int x = s[k * stride];
        wss::ImaState probe = state;
        const unsigned greedy = wss::imaEncode(probe, std::int16_t(x));
        const unsigned sign = greedy & 8;
        const int g = int(greedy & 7);
        std::int64_t least = bound;
        wss::ImaState triedState[8];
        int tried = 0;
        // The greedy magnitude first, then outwards from it.
        for (int j = 0; j < 15 && (j == 0 || budget > 0); ++j) {
            const int m = g + (j % 2 ? -(j + 1) / 2 : j / 2);
            if (m < 0 || m > 7)
                continue;
            --budget;
            wss::ImaState next = state;
            const int decoded = wss::imaDecode(next, sign | unsigned(m));
            // A state reached already (the predictor clipped, the index at an end) has the same
            // sequences ahead of it, none dearer nor cheaper: the first one tried stands for both.
            bool seen = false;
            for (int t = 0; t < tried; ++t)
                seen = seen || (triedState[t].predictor == next.predictor && triedState[t].index == next.index);
            if (seen)
                continue;
            triedState[tried++] = next;
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

// The codes the encoder's look-ahead tries for a stream, on average a frame: where sequences of
// codes come out nearly alike (long flat stretches) there are up to 37,448 a frame, and the stream
// is then coded with the look-ahead's best guesses once these are used up.
inline constexpr long kEncoderNodesPerFrame = 1024;

// Codes one stream as encodeStreamPlain() does, each code chosen by the look-ahead; trying at most
// `nodesPerFrame` codes a frame on average over the stream (0: as many as it takes).
inline void encodeStream(const std::int16_t *s, std::size_t stride, std::size_t frames, int index, std::uint8_t *codes,
    int depth, long nodesPerFrame = 0)
{
    const Search search{s, stride, frames, depth};
    wss::ImaState state{s[0], index};
    search.budget = nodesPerFrame > 0 ? nodesPerFrame * long(frames) : std::numeric_limits<long>::max();
    for (std::size_t k = 1; k < frames; ++k) {
        unsigned code = 0; // set by best(): the greedy code alone is below an unbounded bound
        search.best(state, k, depth, std::numeric_limits<std::int64_t>::max(), &code);
        wss::imaDecode(state, code);
        codes[(k - 1) / 2] = std::uint8_t((k - 1) % 2 ? codes[(k - 1) / 2] | code << 4 : code);
    }
}

} // namespace look_ahead
