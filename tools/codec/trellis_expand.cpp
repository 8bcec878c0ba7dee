// The search's inner step for every processor (on x86-64: SSE2).

#include "trellis_expand_impl.h"

namespace wss::trellis {

void expandPlain(const Expansion &e, int x, int spread)
{
    expandPaths(e, x, spread);
}

} // namespace wss::trellis
