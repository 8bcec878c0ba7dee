#pragma once

// The simplest way through the WSS format, for tests: one block at a time, in file order, keeping
// the running checksum. BlockEncoder codes with the plain kernel (the search of one's choice); BlockDecoder decodes
// with its own loop over imaDecode(), apart from the tools' decodeBlocks(), so that the two can be held against each
// other.

#include "block_coder.h"
#include "block_layout.h"
#include "crc32.h"
#include "ima_adpcm.h"
#include "little_endian.h"
#include "wss_header.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

namespace wss {

class BlockEncoder
{
public:
    explicit BlockEncoder(unsigned channels, Search search = Search::Trellis)
        : channels_(channels)
        , search_(search)
    {
        assert(channels >= 1 && channels <= kMaxChannels);
    }

    // `frames` interleaved frames (1..65535) into `out`, which must hold blockBytes(channels,
    // frames) bytes. Returns the bytes written.
    std::size_t encode(std::span<const std::int16_t> in, std::size_t frames, std::span<std::uint8_t> out)
    {
        const std::size_t size = blockBytes(channels_, frames);
        assert(frames >= 1 && in.size() >= frames * channels_ && out.size() >= size);
        encodeBlocks(channels_, frames, 1, in.data(), out.data(), Kernel::Plain, search_);
        const std::size_t body = size - kChecksumBytes;
        crc_.update(out.first(body));
        put32(out.data() + body, crc_.value());
        return size;
    }

private:
    unsigned channels_;
    Search search_;
    Crc32 crc_;
};

class BlockDecoder
{
public:
    explicit BlockDecoder(unsigned channels)
        : channels_(channels)
    {
        assert(channels >= 1 && channels <= kMaxChannels);
    }

    // Checks and decodes one block of blockBytes(channels, frames) bytes into interleaved frames.
    // Returns false, leaving `out` unspecified, when the block is damaged; broken() then says
    // which rule it breaks (BlockFault::None: its checksum is wrong).
    bool decode(std::span<const std::uint8_t> block, std::size_t frames, std::span<std::int16_t> out)
    {
        const std::size_t size = blockBytes(channels_, frames);
        assert(frames >= 1 && block.size() >= size && out.size() >= frames * channels_);
        const std::size_t body = size - kChecksumBytes;
        crc_.update(block.first(body));
        broken_ = {};
        if (get32(block.data() + body) != crc_.value())
            return false;

        const std::size_t perChannel = codeBytes(frames);
        const std::uint8_t *codes = block.data() + channels_ * kChannelHeaderBytes;
        for (unsigned c = 0; c < channels_; ++c) {
            const std::uint8_t *h = block.data() + c * kChannelHeaderBytes;
            if (h[2] > kImaMaxIndex || h[3] != 0) {
                broken_ = {h[2] > kImaMaxIndex ? BlockFault::StepIndex : BlockFault::ReservedByte, c,
                    h[2] > kImaMaxIndex ? h[2] : h[3]};
                return false;
            }
            ImaState st{std::int16_t(get16(h)), h[2]};
            std::int16_t *d = out.data() + c;
            *d = std::int16_t(st.predictor);
            d += channels_;
            const std::uint8_t *p = codes + c * perChannel;
            std::size_t k = 1;
            for (; k + 1 < frames; k += 2, d += 2 * std::size_t(channels_), ++p) {
                d[0] = imaDecode(st, *p & 0x0F);
                d[channels_] = imaDecode(st, *p >> 4);
            }
            if (k < frames) {
                if (*p >> 4) { // the unused half of the last byte must be zero
                    broken_ = {BlockFault::UnusedHalf, c, unsigned(*p >> 4)};
                    return false;
                }
                d[0] = imaDecode(st, *p & 0x0F);
            }
        }
        return true;
    }

    BlockCheck broken() const { return broken_; }

private:
    unsigned channels_;
    Crc32 crc_;
    BlockCheck broken_;
};

} // namespace wss
