#include "crc32.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace wss {

void Crc32::update(std::span<const std::uint8_t> bytes)
{
    // zlib's crc32() is this CRC with the register kept inverted between calls.
    std::uint32_t c = ~reg_;
    const std::uint8_t *p = bytes.data();
    std::size_t n = bytes.size();
    while (n > 0) {
        const uInt piece = uInt(std::min<std::size_t>(n, std::numeric_limits<uInt>::max()));
        c = std::uint32_t(::crc32(c, p, piece));
        p += piece;
        n -= piece;
    }
    reg_ = ~c;
}

void Crc32Chain::append(std::uint32_t pieceCrc, std::size_t pieceBytes)
{
    // Pieces are mostly of one length (whole blocks), so the operator is made once and reused.
    if (pieceBytes != opBytes_ || op_ == 0) {
        op_ = std::uint32_t(::crc32_combine_gen(z_off_t(pieceBytes)));
        opBytes_ = pieceBytes;
    }
    crc_ = std::uint32_t(::crc32_combine_op(crc_, pieceCrc, op_));
}

} // namespace wss
