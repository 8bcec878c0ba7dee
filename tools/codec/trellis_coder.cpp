// The search, a trellis (Viterbi's algorithm with a beam of paths), one stream at a time:
//
// - State: what the decoder holds after a code, (predictor, step index). A path is a state, the
//   squared error it has cost so far, and the codes that led to it.
// - Cost: the sum over the samples so far of (decoded sample - input sample)².
// - Extending: each kept path tries the codes of the greedy code's sign whose magnitude (code & 7)
//   is within `spread` of the greedy code's, the one plain IMA coding takes (by default all 8).
// - Pruning, in two parts. First the cheapest child of each step index, of the `paths` cheapest
//   such: the search tries several step sizes at once, which is what 8 kHz speech needs. Then the
//   `extra` cheapest children left, each a state (predictor and index) not kept yet: paths with
//   different predictors at one step index, which is what music, desktop sounds and 48 kHz speech
//   need. (Either part alone fell 0.3 to 3 dB short of the other coders on one of the two.)
//   Children are ordered by one key, cost then number (path and code), and the kept paths too, so
//   ties go to the one made first and the result never depends on anything but the samples.
// - Start: `paths` paths, one at each of as many step indexes around the one startIndex()
//   guesses, all at cost 0, so the search also chooses the step index the channel header gives.
// - End: the cheapest path; its codes are read back from two bytes a path and code (the path it
//   came from, and the code). Should the greedy codes be cheaper still (the paths need not hold
//   them), those: the search never comes out noisier than plain IMA coding.

#include "trellis_coder.h"

#include "block_layout.h"
#include "ima_adpcm.h"
#include "look_ahead.h"
#include "plain_coder.h"
#include "trellis_expand.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace wss {

namespace {

constexpr int kMostPaths = int(TrellisChildren::kMostPaths);
using trellis::kNumberBits;
constexpr std::uint64_t kNumberMask = (1U << kNumberBits) - 1;
constexpr std::uint64_t kNone = ~std::uint64_t(0);
constexpr int kStateHashBits = 11;
static_assert(std::size_t(1) << kStateHashBits == TrellisChildren::kStateHash);
static_assert(std::size_t(1) << kNumberBits == TrellisChildren::kNumbers);

// The paths kept after one code, cheapest first.
struct Beam
{
    std::array<std::uint64_t, kMostPaths> cost;
    std::array<std::int32_t, kMostPaths> predictor;
    std::array<std::uint8_t, kMostPaths> index;
    int live = 0;
};

// The squared error of the stream's codes.
std::uint64_t greedyCost(
    const std::int16_t *s, std::size_t stride, std::size_t frames, int index, const std::uint8_t *codes)
{
    ImaState st{s[0], index};
    std::uint64_t cost = 0;
    for (std::size_t k = 1; k < frames; ++k) {
        const std::int64_t e = s[k * stride] - imaDecode(st, (codes[(k - 1) / 2] >> ((k - 1) % 2 ? 4 : 0)) & 15);
        cost += std::uint64_t(e * e);
    }
    return cost;
}

// The states kept in one round, in a small open-addressed table that a new round empties at once.
class StateSet
{
public:
    explicit StateSet(TrellisChildren &ch)
        : ch_(ch)
        , round_(++ch.round)
    {
        if (round_ == 0) { // the counter wrapped: every entry may look current
            ch_.stateRound.fill(0);
            round_ = ch.round = 1;
        }
    }

    // Adds the state of child `number`; false if it was there already.
    bool add(std::size_t number)
    {
        const std::uint32_t state
            = std::uint32_t(ch_.index[number]) << 16 | std::uint32_t(ch_.predictor[number] + 32768);
        std::size_t h = (state * 0x9E3779B1U) >> (32 - kStateHashBits);
        for (; ch_.stateRound[h] == round_; h = (h + 1) & (TrellisChildren::kStateHash - 1))
            if (ch_.state[h] == state)
                return false;
        ch_.stateRound[h] = round_;
        ch_.state[h] = state;
        return true;
    }

private:
    TrellisChildren &ch_;
    std::uint32_t round_;
};

// The children of the paths in key order, one at a time. A path's children come in key order from
// its cheapest outwards: the decoded sample moves one way as the magnitude grows, so the error
// falls to the cheapest magnitude and rises after it. Each path offers its next child to a tree
// of minima over the paths.
class ChildMerge
{
public:
    // The tree's leaves hold each path's cheapest child, those of the first `paths`.
    ChildMerge(TrellisChildren &ch, std::size_t paths)
        : ch_(ch)
    {
        std::uint64_t *leaf = ch.waiting.leaves();
        std::fill(leaf + paths, leaf + kMostPaths, kNone);
        for (std::size_t p = 0; p < kMostPaths; ++p) {
            const int m = int(leaf[p] & 7);
            ch.down[p] = std::int8_t(m - 1);
            ch.up[p] = std::int8_t(m + 1);
        }
        ch.waiting.build();
    }

    // The cheapest child not yet taken, or kNone.
    std::uint64_t pop()
    {
        const std::uint64_t key = ch_.waiting.least();
        if (key == kNone)
            return kNone;
        const auto path = std::size_t(key >> 4 & (kMostPaths - 1));
        // Keyless ends on either side: `down` stops at -1, `up` at 8.
        const std::uint64_t *keys = ch_.key.data() + path * TrellisChildren::kRow + 1;
        std::int8_t &down = ch_.down[path], &up = ch_.up[path];
        const std::uint64_t below = keys[down], above = keys[up];
        const int fromBelow = int(below < above);
        down = std::int8_t(down - fromBelow);
        up = std::int8_t(up + ((fromBelow ^ 1) & int(above != kNone)));
        ch_.waiting.set(path, std::min(below, above));
        return key;
    }

private:
    TrellisChildren &ch_;
};

} // namespace

int encodeStreamTrellis(const std::int16_t *s, std::size_t stride, std::size_t frames, std::uint8_t *codes,
    TrellisScratch &scratch, const TrellisSettings &settings, [[maybe_unused]] Kernel kernel)
{
    auto *expand = trellis::expandPlain;
#if defined(__x86_64__)
    if (kernel == Kernel::Avx2)
        expand = trellis::expandAvx2;
#endif
    const int guess = startIndex(s, stride, frames);
    if (frames < 2)
        return guess;
    // Greedy codes that decode to the input exactly (silence, mostly) are as clean as codes get, and
    // the end below would write them anyway: no search.
    encodeStreamPlain(s, stride, frames, guess, codes);
    std::uint64_t other = greedyCost(s, stride, frames, guess, codes);
    if (other == 0)
        return guess;
    const int most = std::clamp(settings.paths, 1, kMostPaths / 2);
    const int extra = std::clamp(settings.extra, 0, kMostPaths - most);
    const int spread = std::clamp(settings.spread, 0, 7);

    // The start: step indexes guess, guess - 2, guess + 2, guess - 4, ... as far as they are new.
    std::array<int, kMostPaths> startAt{};
    Beam beams[2];
    Beam *beam = &beams[0], *next = &beams[1];
    for (int j = 0; beam->live < most && j <= 4 * kImaMaxIndex; ++j) {
        const int index = std::clamp(guess + (j + 1) / 2 * 2 * (j % 2 ? -1 : 1), 0, kImaMaxIndex);
        if (std::find(startAt.begin(), startAt.begin() + beam->live, index) != startAt.begin() + beam->live)
            continue;
        const auto at = std::size_t(beam->live++);
        startAt[at] = index;
        beam->cost[at] = 0;
        beam->predictor[at] = s[0];
        beam->index[at] = std::uint8_t(index);
    }

    const auto width = std::size_t(most) + std::size_t(extra);
    std::uint16_t *back = scratch.backPointers((frames - 1) * width);
    TrellisChildren &ch = scratch.children();
    for (std::size_t k = 1; k < frames; ++k) {
        const int x = s[k * stride];
        // Every child: its key is its cost and its number (path, code), so that ordering by key
        // puts the cheaper first and, at equal cost, the one made first. On the way, the cheapest
        // child of each step index, and each path's cheapest child.
        const trellis::Expansion ex{beam->cost.data(), beam->predictor.data(), beam->index.data(),
            std::size_t(beam->live), ch.key.data(), ch.predictor.data(), ch.index.data(), ch.bestAt.leaves(),
            ch.waiting.leaves()};
        expand(ex, x, spread);
        // First the cheapest child of each step index, of the `most` cheapest such, cheapest first.
        // Then the cheapest of all the children, as far as their state is not kept yet, in key
        // order, as the paths' children merge. The merge's first children are taken beside the
        // first part, so that the two trees' chains of comparisons run side by side.
        std::size_t picked = 0, early = 0;
        ch.bestAt.build();
        ChildMerge merge(ch, std::size_t(beam->live));
        for (std::size_t c = 0; c < std::size_t(most); ++c) {
            const std::uint64_t byIndex = ch.bestAt.least(), cheapest = merge.pop();
            if (byIndex != kNone) {
                ch.picked[picked++] = byIndex;
                ch.bestAt.set(ch.index[byIndex & kNumberMask], kNone);
            }
            ch.early[early] = cheapest;
            early += std::size_t(cheapest != kNone);
        }
        std::fill(ch.bestAt.leaves(), ch.bestAt.leaves() + kImaMaxIndex + 1, kNone);
        StateSet kept(ch);
        for (std::size_t c = 0; c < picked; ++c)
            kept.add(ch.picked[c] & kNumberMask);
        const std::size_t first = picked;
        for (std::size_t c = 0; c < early && picked < width; ++c)
            if (kept.add(ch.early[c] & kNumberMask))
                ch.picked[picked++] = ch.early[c];
        while (picked < width) {
            const std::uint64_t key = merge.pop();
            if (key == kNone)
                break;
            if (kept.add(key & kNumberMask))
                ch.picked[picked++] = key;
        }
        // Both parts in key order, one list.
        std::merge(ch.picked.begin(), ch.picked.begin() + std::ptrdiff_t(first),
            ch.picked.begin() + std::ptrdiff_t(first), ch.picked.begin() + std::ptrdiff_t(picked), ch.merged.begin());

        next->live = int(picked);
        for (std::size_t c = 0; c < picked; ++c) {
            const std::size_t number = ch.merged[c] & kNumberMask;
            next->cost[c] = ch.merged[c] >> kNumberBits;
            next->predictor[c] = ch.predictor[number];
            next->index[c] = ch.index[number];
            back[(k - 1) * width + c] = std::uint16_t(number);
        }
        std::swap(beam, next);
    }

    // The greedy codes, or the look-ahead coder's, if the search found nothing better (the paths
    // need not hold either).
    if (settings.lookAhead > 0) {
        std::uint8_t *ahead = scratch.aheadCodes(codeBytes(frames));
        look_ahead::encodeStream(
            s, stride, frames, guess, ahead, std::min(settings.lookAhead, 8), look_ahead::kEncoderNodesPerFrame);
        if (const std::uint64_t cost = greedyCost(s, stride, frames, guess, ahead); cost < other) {
            std::memcpy(codes, ahead, codeBytes(frames));
            other = cost;
        }
    }
    if (other <= beam->cost[0])
        return guess;
    // Back from the cheapest path to the start, code by code.
    std::memset(codes, 0, codeBytes(frames));
    std::size_t at = 0;
    for (std::size_t k = frames - 1; k >= 1; --k) {
        const std::uint16_t b = back[(k - 1) * width + at];
        codes[(k - 1) / 2] |= std::uint8_t((b & 15U) << ((k - 1) % 2 ? 4 : 0));
        at = b >> 4;
    }
    return startAt[at];
}

} // namespace wss
