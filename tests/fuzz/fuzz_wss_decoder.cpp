// Reads any bytes as a WSS file the way WSSdec does: header, then block after block. A damaged or
// hostile file must end in an error, never a crash or a hang, and never make the decoder allocate
// more than the header's block size justifies.
// Random bytes almost never carry the right checksums, which would keep the search out of the
// block decoding; so for inputs of odd length each block's checksum is set right first.

#include "block_layout.h"
#include "crc32.h"
#include "tests/support/wss_block_coder.h"
#include "wss_header.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < wss::kHeaderSize)
        return 0;
    wss::Header header;
    const std::span<const std::uint8_t, wss::kHeaderSize> headerBytes(data, wss::kHeaderSize);
    if (wss::parseHeader(headerBytes, header).status != wss::HeaderStatus::Ok)
        return 0;
    // What the header's sizes allow: one block of at most 65535 frames of at most 8 channels.
    if (header.channels < 1 || header.channels > wss::kMaxChannels || header.blockFrames < 1)
        std::abort();

    std::span<const std::uint8_t> rest(data + wss::kHeaderSize, size - wss::kHeaderSize);
    const std::uint64_t blocks = wss::blockCount(header);
    std::vector<std::uint8_t> block(wss::blockBytes(header.channels, header.blockFrames));
    std::vector<std::int16_t> pcm(std::size_t(header.blockFrames) * header.channels);
    wss::BlockDecoder decoder(header.channels);
    const bool fixChecksums = size % 2 == 1;
    wss::Crc32 crc;
    std::uint64_t decoded = 0;
    for (std::uint64_t b = 0; b < blocks; ++b) {
        const std::size_t frames = wss::framesInBlock(header, b);
        if (frames < 1 || frames > header.blockFrames)
            std::abort();
        const std::size_t bytes = wss::blockBytes(header.channels, frames);
        if (bytes > block.size())
            std::abort();
        if (rest.size() < bytes)
            return 0; // the file ends inside a block
        std::copy_n(rest.begin(), bytes, block.begin());
        rest = rest.subspan(bytes);
        if (fixChecksums) {
            const std::size_t body = bytes - 4;
            crc.update(std::span(block).first(body));
            const std::uint32_t value = crc.value();
            for (std::size_t i = 0; i < 4; ++i)
                block[body + i] = std::uint8_t(value >> (8 * i));
        }
        if (!decoder.decode(std::span(block).first(bytes), frames, pcm))
            return 0; // a block fails its checksum
        decoded += frames;
    }
    if (decoded != header.frames)
        std::abort();
    return 0;
}
