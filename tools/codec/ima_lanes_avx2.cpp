// The lane kernels for 8 lanes; this file alone is compiled with -mavx2, and runs only where
// bestKernel() has seen that the processor has AVX2.

#include "ima_lanes_impl.h"

namespace wss::lanes {

void encodeAvx2(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes)
{
    Lanes<Int32x8>::encode(groups, job, pcm, codes);
}

void decodeAvx2(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm)
{
    Lanes<Int32x8>::decode(groups, job, codes, pcm);
}

} // namespace wss::lanes
