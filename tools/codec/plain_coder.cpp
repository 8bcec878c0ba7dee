#include "plain_coder.h"

#include <algorithm>
#include <cstdlib>

namespace wss {

int startIndex(const std::int16_t *first, std::size_t stride, std::size_t frames)
{
    // The step size IMA ADPCM settles on is about the typical change from one sample to the next;
    // starting there saves the first codes of the block from adapting to it.
    constexpr std::size_t kLook = 8;
    const std::size_t m = std::min(frames - 1, kLook);
    if (m == 0)
        return 0;
    long sum = 0;
    for (std::size_t k = 1; k <= m; ++k)
        sum += std::abs(first[k * stride] - first[(k - 1) * stride]);
    const long mean = sum / long(m);
    return int(std::lower_bound(kImaSteps.begin(), kImaSteps.end() - 1, mean) - kImaSteps.begin());
}

void encodeStreamPlain(const std::int16_t *s, std::size_t stride, std::size_t frames, int index, std::uint8_t *p)
{
    ImaState st{s[0], index};
    s += stride;
    std::size_t k = 1;
    for (; k + 1 < frames; k += 2, s += 2 * stride) {
        const unsigned lo = imaEncode(st, s[0]);
        const unsigned hi = imaEncode(st, s[stride]);
        *p++ = std::uint8_t(lo | hi << 4);
    }
    if (k < frames)
        *p++ = std::uint8_t(imaEncode(st, s[0]));
}

void decodeStreamPlain(const std::uint8_t *p, std::size_t frames, ImaState st, std::int16_t *d, std::size_t stride)
{
    d += stride;
    std::size_t k = 1;
    for (; k + 1 < frames; k += 2, d += 2 * stride, ++p) {
        d[0] = imaDecode(st, *p & 0x0F);
        d[stride] = imaDecode(st, *p >> 4);
    }
    if (k < frames)
        d[0] = imaDecode(st, *p & 0x0F);
}

} // namespace wss
