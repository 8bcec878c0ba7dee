#pragma once

// The look-ahead coder: chooses each stream's codes, and the step index it starts from, to keep the
// decoded samples as close to the input as a search of a few paths can (trellis_coder.cpp says
// how). Its output is an ordinary stream of IMA ADPCM codes: any decoder reads it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wss {

// How wide the search is; the defaults are the encoder's (tools/README.md has the measurements).
struct TrellisSettings
{
    int paths = 8; // K: paths kept after each code, 1..16
    int spread = 1; // codes tried from each path: the greedy code's magnitude ± spread (same sign)
};

// Scratch memory for one thread: the back pointers of the paths, reused stream after stream.
class TrellisScratch
{
public:
    std::uint8_t *backPointers(std::size_t n)
    {
        if (back_.size() < n)
            back_.resize(n);
        return back_.data();
    }

private:
    std::vector<std::uint8_t> back_;
};

// Codes frames 1..frames-1 of one stream whose frame 0 is `s[0]` (frames `stride` samples apart)
// into code bytes at `codes` (two a byte, low half first; an unused high half is 0), and returns
// the step index the codes start from, for the channel header.
int encodeStreamTrellis(const std::int16_t *s, std::size_t stride, std::size_t frames, std::uint8_t *codes,
    TrellisScratch &scratch, const TrellisSettings &settings = {});

} // namespace wss
