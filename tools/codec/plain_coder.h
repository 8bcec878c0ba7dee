#pragma once

// The reference coder: one stream (one channel of one block) at a time, code by code, with
// imaEncode() / imaDecode(). Runs everywhere; the lane kernels must give exactly its bytes and
// samples.

#include "ima_adpcm.h"

#include <cstddef>
#include <cstdint>

namespace wss {

// The step index a channel of a block starts from, chosen from the block's own first samples (the
// mean change between them), so that no block depends on another: `first` is the channel's frame
// 0, with `stride` samples from one frame to the next, and the block has `frames` frames.
int startIndex(const std::int16_t *first, std::size_t stride, std::size_t frames);

// Codes frames 1..frames-1 of one stream, starting from frame 0 `s[0]` and step index `index`, into
// code bytes at `codes` (two codes a byte, low half first; an unused high half is 0).
void encodeStreamPlain(const std::int16_t *s, std::size_t stride, std::size_t frames, int index, std::uint8_t *codes);

// Decodes the codes of one stream, starting from `state` (frame 0 and its step index), into frames
// 1..frames-1 at `d + stride`, `d + 2 * stride`, ...
void decodeStreamPlain(
    const std::uint8_t *codes, std::size_t frames, ImaState state, std::int16_t *d, std::size_t stride);

} // namespace wss
