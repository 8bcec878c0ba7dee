// The lane kernels for 4 lanes, with what every x86-64 processor has (SSE2).

#include "ima_lanes_impl.h"

namespace wss::lanes {

void encodeSse2(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes)
{
    Lanes<Int32x4>::encode(groups, job, pcm, codes);
}

void decodeSse2(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm)
{
    Lanes<Int32x4>::decode(groups, job, codes, pcm);
}

} // namespace wss::lanes
