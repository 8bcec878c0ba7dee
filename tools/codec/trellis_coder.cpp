// The search, a trellis (Viterbi's algorithm with a beam of K paths), one stream at a time:
//
// - State: what the decoder holds after a code, (predictor, step index). A path is a state, the
//   squared error it has cost so far, and the codes that led to it.
// - Cost: the sum over the samples so far of (decoded sample - input sample)².
// - Extending: each kept path tries the codes of the greedy code's sign whose magnitude (code & 7)
//   is within `spread` of the greedy code's, the one plain IMA coding takes.
// - Pruning: children with the same step index are merged, the cheaper one kept; of the rest the K
//   cheapest are kept, ties going to the one found first, so the result never depends on anything
//   but the samples. (Merging only equal states, predictor and index, fills the K places with
//   near-copies of one step size, where the search gains most by trying several: recorded speech
//   at 8 kHz lost 2 to 3 dB that way, and 2 or 3 paths a step index did worse than 1.)
// - Start: K paths, one at each of K step indexes around the one startIndex() guesses, all at
//   cost 0, so the search also chooses the step index the channel header gives.
// - End: the cheapest path; its codes are read back from one byte a path and code (the path it
//   came from, and the code). Should the greedy codes be cheaper still (the K paths need not hold
//   them), those: the search never comes out noisier than plain IMA coding.

#include "trellis_coder.h"

#include "block_layout.h"
#include "ima_adpcm.h"
#include "plain_coder.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace wss {

namespace {

constexpr int kMostPaths = 16; // a path's number must fit the 4 bits its back pointer has

// What a code's magnitude bits add at each step index, as imaApply() sums them.
constexpr auto kCodeDiffs = [] {
    std::array<std::array<int, 8>, kImaMaxIndex + 1> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int step = kImaSteps[i];
        for (int m = 0; m < 8; ++m)
            t[i][std::size_t(m)] = (step >> 3) + (m & 4 ? step : 0) + (m & 2 ? step >> 1 : 0) + (m & 1 ? step >> 2 : 0);
    }
    return t;
}();

// The step index after each code's magnitude bits, at each step index.
constexpr auto kNextIndex = [] {
    std::array<std::array<std::uint8_t, 8>, kImaMaxIndex + 1> t{};
    for (int i = 0; i <= kImaMaxIndex; ++i)
        for (int m = 0; m < 8; ++m)
            t[std::size_t(i)][std::size_t(m)]
                = std::uint8_t(std::clamp(i + kImaIndexStep[std::size_t(m)], 0, kImaMaxIndex));
    return t;
}();

// 16 bytes, so that moving one is one copy.
struct TrellisPath
{
    std::int64_t cost;
    std::int32_t predictor;
    std::uint8_t index;
    std::uint8_t back; // the path it came from (high 4 bits) and its last code
};

// The paths kept after one code, cheapest first.
struct Beam
{
    std::array<TrellisPath, kMostPaths> path;
    int live = 0;

    // Offers a child; keeps it if it is among the `most` cheapest, merging it with a kept path of the
    // same step index.
    void offer(int most, const TrellisPath &child)
    {
        if (live == most && child.cost >= path[std::size_t(most - 1)].cost)
            return;
        int at = 0;
        while (at < live && path[std::size_t(at)].index != child.index)
            ++at;
        if (at < live) { // the same step index: the cheaper stays
            if (child.cost >= path[std::size_t(at)].cost)
                return;
        } else {
            at = live == most ? most - 1 : live++; // the dearest goes, or a free place
        }
        // Place `at` is free; move the dearer paths before it one down, and the child in.
        for (; at > 0 && path[std::size_t(at - 1)].cost > child.cost; --at)
            path[std::size_t(at)] = path[std::size_t(at - 1)];
        path[std::size_t(at)] = child;
    }
};

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

// The squared error of the stream's codes.
std::int64_t greedyCost(
    const std::int16_t *s, std::size_t stride, std::size_t frames, int index, const std::uint8_t *codes)
{
    ImaState st{s[0], index};
    std::int64_t cost = 0;
    for (std::size_t k = 1; k < frames; ++k) {
        const std::int64_t e = s[k * stride] - imaDecode(st, (codes[(k - 1) / 2] >> ((k - 1) % 2 ? 4 : 0)) & 15);
        cost += e * e;
    }
    return cost;
}

} // namespace

int encodeStreamTrellis(const std::int16_t *s, std::size_t stride, std::size_t frames, std::uint8_t *codes,
    TrellisScratch &scratch, const TrellisSettings &settings)
{
    const int guess = startIndex(s, stride, frames);
    if (frames < 2)
        return guess;
    const int most = std::clamp(settings.paths, 1, kMostPaths);
    const int spread = std::clamp(settings.spread, 0, 7);

    // The start: step indexes guess, guess - 2, guess + 2, guess - 4, ... as far as they are new.
    std::array<int, kMostPaths> startAt{};
    Beam beams[2];
    Beam *beam = &beams[0], *next = &beams[1];
    for (int j = 0; beam->live < most && j <= 4 * kImaMaxIndex; ++j) {
        const int index = std::clamp(guess + (j + 1) / 2 * 2 * (j % 2 ? -1 : 1), 0, kImaMaxIndex);
        if (std::find(startAt.begin(), startAt.begin() + beam->live, index) != startAt.begin() + beam->live)
            continue;
        startAt[std::size_t(beam->live)] = index;
        beam->path[std::size_t(beam->live++)] = {0, s[0], std::uint8_t(index), 0};
    }

    const std::size_t width = std::size_t(most);
    std::uint8_t *back = scratch.backPointers((frames - 1) * width);
    for (std::size_t k = 1; k < frames; ++k) {
        const int x = s[k * stride];
        next->live = 0;
        for (int i = 0; i < beam->live; ++i) {
            const TrellisPath &p = beam->path[std::size_t(i)];
            const int d = x - p.predictor;
            const int sign = d < 0 ? 8 : 0;
            const int g = greedyMagnitude(d < 0 ? -d : d, kImaSteps[p.index]);
            const auto &diffs = kCodeDiffs[p.index];
            const auto &nextIndex = kNextIndex[p.index];
            for (int m = std::max(0, g - spread); m <= std::min(7, g + spread); ++m) {
                const int diff = diffs[std::size_t(m)];
                const int predictor = std::clamp(sign ? p.predictor - diff : p.predictor + diff, -32768, 32767);
                const std::int64_t e = x - predictor;
                next->offer(
                    most, {p.cost + e * e, predictor, nextIndex[std::size_t(m)], std::uint8_t(i << 4 | sign | m)});
            }
        }
        for (int i = 0; i < next->live; ++i)
            back[(k - 1) * width + std::size_t(i)] = next->path[std::size_t(i)].back;
        std::swap(beam, next);
    }

    // The greedy codes, if the search found nothing better (K paths need not hold the greedy one).
    encodeStreamPlain(s, stride, frames, guess, codes);
    if (greedyCost(s, stride, frames, guess, codes) <= beam->path[0].cost)
        return guess;
    // Back from the cheapest path to the start, code by code.
    std::memset(codes, 0, codeBytes(frames));
    int at = 0;
    for (std::size_t k = frames - 1; k >= 1; --k) {
        const std::uint8_t b = back[(k - 1) * width + std::size_t(at)];
        codes[(k - 1) / 2] |= std::uint8_t((b & 15) << ((k - 1) % 2 ? 4 : 0));
        at = b >> 4;
    }
    return startAt[std::size_t(at)];
}

} // namespace wss
