// The search's inner step for AVX2; this file alone is compiled with -mavx2, and runs only where
// bestKernel() has seen that the processor has AVX2.

#include "trellis_expand_impl.h"

namespace wss::trellis {

void expandAvx2(const Expansion &e, int x, int spread)
{
    expandPaths(e, x, spread);
}

} // namespace wss::trellis
