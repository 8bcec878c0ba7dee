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
#include "plain_coder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace wss {

namespace {

constexpr int kMostPaths = int(TrellisChildren::kMostPaths);
constexpr int kNumberBits = 10; // a child's number: its path (up to 63) and its code
constexpr std::uint64_t kNumberMask = (1U << kNumberBits) - 1;
constexpr std::uint64_t kNone = ~std::uint64_t(0);
constexpr int kStateHashBits = 8;
static_assert(std::size_t(1) << kStateHashBits == TrellisChildren::kStateHash);
static_assert(std::size_t(1) << kNumberBits == TrellisChildren::kNumbers);

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

// The paths kept after one code, cheapest first.
struct Beam
{
    std::array<std::int64_t, kMostPaths> cost;
    std::array<std::int32_t, kMostPaths> predictor;
    std::array<std::uint8_t, kMostPaths> index;
    int live = 0;
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

} // namespace

int encodeStreamTrellis(const std::int16_t *s, std::size_t stride, std::size_t frames, std::uint8_t *codes,
    TrellisScratch &scratch, const TrellisSettings &settings)
{
    const int guess = startIndex(s, stride, frames);
    if (frames < 2)
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
    std::uint8_t touched[kImaMaxIndex + 1];
    std::uint64_t reach = 0; // how far beyond the cheapest child's key the last walk went
    for (std::size_t k = 1; k < frames; ++k) {
        const int x = s[k * stride];
        // Every child: its key is its cost and its number (path, code), so that ordering by key
        // puts the cheaper first and, at equal cost, the one made first. On the way, the cheapest
        // child of each step index.
        std::size_t n = 0, indexes = 0;
        std::uint64_t cheapest = kNone;
        const auto cheapestAt = [&](std::uint8_t to, std::uint64_t key) {
            std::uint64_t &best = ch.bestAt[to];
            if (best == kNone && key != kNone)
                touched[indexes++] = to;
            best = std::min(best, key);
        };
        for (int i = 0; i < beam->live; ++i) {
            const int from = beam->predictor[std::size_t(i)];
            const auto index = std::size_t(beam->index[std::size_t(i)]);
            const std::int64_t cost = beam->cost[std::size_t(i)];
            const int d = x - from;
            const int sign = d < 0 ? 8 : 0;
            const int g = spread >= 7 ? 0 : greedyMagnitude(d < 0 ? -d : d, kImaSteps[index]);
            const int lo = g - spread, hi = g + spread;
            const auto base = std::size_t(i << 4 | sign);
            // All 8 magnitudes side by side (the compiler makes this vector code); those outside
            // the spread get no key.
            std::uint64_t *key = ch.key.data() + n;
            std::int32_t *predictor = ch.predictor.data() + base;
            for (std::size_t m = 0; m < 8; ++m) {
                const int diff = kCodeDiffs[index][m];
                predictor[m] = std::clamp(from + (sign ? -diff : diff), -32768, 32767);
                const auto e = std::uint32_t(std::abs(x - predictor[m])); // |e| < 2^16: e² fits 32 bits
                key[m] = std::uint64_t(cost + std::int64_t(e * e)) << kNumberBits | (base | m);
            }
            if (spread < 7)
                for (int m = 0; m < 8; ++m)
                    if (m < lo || m > hi)
                        key[m] = kNone;
            std::memcpy(ch.index.data() + base, kNextIndex[index].data(), 8);
            n += 8;
            for (std::size_t m = 0; m < 8; ++m)
                cheapest = std::min(cheapest, key[m]);
            // Magnitudes 0 to 3 all lower the step index by one.
            cheapestAt(kNextIndex[index][0], std::min(std::min(key[0], key[1]), std::min(key[2], key[3])));
            for (std::size_t m = 4; m < 8; ++m)
                cheapestAt(kNextIndex[index][m], key[m]);
        }
        // First the cheapest child of each step index, of the `most` cheapest such.
        std::size_t picked = indexes;
        for (std::size_t c = 0; c < indexes; ++c) {
            ch.picked[c] = ch.bestAt[touched[c]];
            ch.bestAt[touched[c]] = kNone;
        }
        if (picked > std::size_t(most)) {
            std::nth_element(ch.picked.begin(), ch.picked.begin() + most, ch.picked.begin() + std::ptrdiff_t(picked));
            picked = std::size_t(most);
        }
        // Then the cheapest of all the children, as far as their state is not kept yet: the
        // cheapest few found by a partial selection, all of them only when those run short.
        StateSet kept(ch);
        for (std::size_t c = 0; c < picked; ++c)
            kept.add(ch.picked[c] & kNumberMask);
        // The children are split at a bound, those at or under it sorted and walked first; the
        // others only if those run short. The bound, a guess that changes only the time taken: the
        // cheapest child's key plus half as much again as the walk went beyond it last time.
        const std::uint64_t bound = cheapest + reach + reach / 2 + (std::uint64_t(1) << kNumberBits);
        std::size_t under = 0, over = 0;
        for (std::size_t c = 0; c < n; ++c) {
            const std::uint64_t key = ch.key[c];
            ch.under[under] = key;
            ch.over[over] = key;
            under += key <= bound;
            over += key > bound;
        }
        std::sort(ch.under.begin(), ch.under.begin() + std::ptrdiff_t(under));
        const auto walk = [&](const std::uint64_t *keys, std::size_t count) {
            for (std::size_t c = 0; picked < width && c < count && keys[c] != kNone; ++c) {
                reach = keys[c] - cheapest;
                if (kept.add(keys[c] & kNumberMask))
                    ch.picked[picked++] = keys[c];
            }
        };
        walk(ch.under.data(), under);
        if (picked < width && over > 0) {
            std::sort(ch.over.begin(), ch.over.begin() + std::ptrdiff_t(over));
            walk(ch.over.data(), over);
        }
        std::sort(ch.picked.begin(), ch.picked.begin() + std::ptrdiff_t(picked));

        next->live = int(picked);
        for (std::size_t c = 0; c < picked; ++c) {
            const std::size_t number = ch.picked[c] & kNumberMask;
            next->cost[c] = std::int64_t(ch.picked[c] >> kNumberBits);
            next->predictor[c] = ch.predictor[number];
            next->index[c] = ch.index[number];
            back[(k - 1) * width + c] = std::uint16_t(number);
        }
        std::swap(beam, next);
    }

    // The greedy codes, if the search found nothing better (the paths need not hold the greedy one).
    encodeStreamPlain(s, stride, frames, guess, codes);
    if (greedyCost(s, stride, frames, guess, codes) <= beam->cost[0])
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
