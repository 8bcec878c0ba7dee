#include "ima_lanes.h"

#include "ima_adpcm.h"
#include "ima_lanes_impl.h"

namespace wss {

static_assert(
    [] {
        for (int i = 0; i <= kImaMaxIndex; ++i)
            if (lanes::kSteps[i] != kImaSteps[std::size_t(i)])
                return false;
        return true;
    }(),
    "the lane kernels' step table differs from kImaSteps");

bool kernelAvailable(Kernel kernel)
{
    switch (kernel) {
#if defined(__x86_64__)
    case Kernel::Sse2: // every x86-64 processor has it
#endif
    case Kernel::Plain:
        return true;
#if defined(__x86_64__)
    case Kernel::Avx2:
        return __builtin_cpu_supports("avx2");
#endif
    default:
        return false;
    }
}

Kernel bestKernel()
{
    static const Kernel best = kernelAvailable(Kernel::Avx2) ? Kernel::Avx2
        : kernelAvailable(Kernel::Sse2)                      ? Kernel::Sse2
                                                             : Kernel::Plain;
    return best;
}

const char *kernelName(Kernel kernel)
{
    switch (kernel) {
    case Kernel::Sse2:
        return "sse2";
    case Kernel::Avx2:
        return "avx2";
    default:
        return "plain";
    }
}

std::size_t kernelLanes(Kernel kernel)
{
    switch (kernel) {
    case Kernel::Sse2:
        return 4;
    case Kernel::Avx2:
        return 8;
    default:
        return 1;
    }
}

} // namespace wss
