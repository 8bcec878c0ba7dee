#pragma once

// The look-ahead coder: chooses each stream's codes, and the step index it starts from, to keep the
// decoded samples as close to the input as a search of many paths can (trellis_coder.cpp says
// how). Its output is an ordinary stream of IMA ADPCM codes: any decoder reads it.

#include "ima_lanes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace wss {

// How wide the search is; the defaults are the encoder's (tools/README.md has the measurements).
struct TrellisSettings
{
    int paths = 24; // paths kept at distinct step indexes after each code, 1..64; also the start indexes
    int extra = 104; // further paths kept, the cheapest distinct states left; paths + extra at most 128
    int spread = 7; // codes tried from each path: the greedy code's magnitude ± spread (same sign)
    int lookAhead = 5; // depth of the look-ahead coder whose codes are kept where cheaper; 0: none
};

// A tree of minima over N leaves (a winner tree): the least leaf, kept up to date in log2(N)
// comparisons that are the same whatever the keys, so no jumps to mispredict.
template <std::size_t N> struct MinTree
{
    static constexpr std::uint64_t kNone = ~std::uint64_t(0);
    std::array<std::uint64_t, 2 * N> node; // node[N + i] is leaf i; node[1] the least of all

    std::uint64_t *leaves() { return node.data() + N; }
    std::uint64_t least() const { return node[1]; }
    void build()
    {
        for (std::size_t at = N - 1; at >= 1; --at)
            node[at] = std::min(node[2 * at], node[2 * at + 1]);
    }
    void set(std::size_t leaf, std::uint64_t v)
    {
        std::size_t at = N + leaf;
        for (std::size_t level = 1; level < N; level *= 2, at /= 2) { // as many rounds every time
            node[at] = v;
            v = std::min(v, node[at ^ 1]);
        }
        node[1] = v;
    }
};

// The children of one code's paths, as the search orders them (trellis_coder.cpp).
struct TrellisChildren
{
    static constexpr std::size_t kMostPaths = 128;
    static constexpr std::size_t kRow = 10; // a path's keys: none, magnitudes 0 to 7, none
    static constexpr std::size_t kNumbers = kMostPaths * 16; // a child's number: path << 4 | code
    static constexpr std::size_t kStateHash = 2048; // sixteen times the paths kept: few collisions

    std::array<std::uint64_t, kMostPaths * kRow> key; // by path: ~0, the keys (cost << 11 | number), ~0
    std::array<std::int32_t, kNumbers> predictor; // by number
    std::array<std::uint8_t, kNumbers> index; // by number
    std::array<std::uint64_t, kMostPaths> picked; // the keys kept; first the cheapest of each step index
    std::array<std::uint64_t, kMostPaths> merged; // the keys kept, in key order
    std::array<std::uint64_t, kMostPaths / 2> early; // the merge's first children
    MinTree<kMostPaths> waiting; // by path: its cheapest child not taken yet, or ~0
    std::array<std::int8_t, kMostPaths> down, up; // each path's next magnitudes below and above
    MinTree<128> bestAt; // by step index: its cheapest child, or ~0
    std::array<std::uint32_t, kStateHash> state, stateRound; // the states kept in this round
    std::uint32_t round = 0;
};

// Scratch memory for one thread: the children and back pointers of the paths, reused stream after
// stream.
class TrellisScratch
{
public:
    std::uint16_t *backPointers(std::size_t n)
    {
        if (back_.size() < n)
            back_.resize(n);
        return back_.data();
    }
    std::uint8_t *aheadCodes(std::size_t n)
    {
        if (ahead_.size() < n)
            ahead_.resize(n);
        return ahead_.data();
    }
    TrellisChildren &children()
    {
        if (!children_) {
            children_ = std::make_unique<TrellisChildren>();
            children_->bestAt.node.fill(~std::uint64_t(0));
            children_->key.fill(~std::uint64_t(0));
            children_->stateRound.fill(0);
        }
        return *children_;
    }

private:
    std::vector<std::uint16_t> back_;
    std::vector<std::uint8_t> ahead_;
    std::unique_ptr<TrellisChildren> children_;
};

// Codes frames 1..frames-1 of one stream whose frame 0 is `s[0]` (frames `stride` samples apart)
// into code bytes at `codes` (two a byte, low half first; an unused high half is 0), and returns
// the step index the codes start from, for the channel header.
int encodeStreamTrellis(const std::int16_t *s, std::size_t stride, std::size_t frames, std::uint8_t *codes,
    TrellisScratch &scratch, const TrellisSettings &settings = {}, Kernel kernel = Kernel::Plain);

} // namespace wss
