#pragma once

// Reading a WSS file frame by frame, with seeking. Blocks are decoded a chunk at a time by the
// tools' block coder; a block is handed on only once its checksum, which chains from the file's
// first block, and its rules check out. The chain's value before every block verified so far is
// kept, so a seek back starts from a known value and a seek forward checks the checksums of the
// blocks it passes over first.

#include "failure.h"
#include "file_input.h"
#include "wss_header.h"

#include "crc32.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace wsslib {

class Reader
{
public:
    explicit Reader(std::unique_ptr<FileInput> input);

    // Reads and checks the header; the reader is usable only when this gives no failure.
    Failure open();
    const wss::Header &header() const { return header_; }

    // Up to `frames` frames into `pcm`; the number read, or the failure once the frames before it
    // have been handed on.
    std::int64_t read(std::int16_t *pcm, std::uint64_t frames, Failure &failure);
    Failure seek(std::uint64_t frame);
    std::uint64_t position() const { return position_; }

private:
    std::uint64_t blockOffset(std::uint64_t block) const;
    // Makes the chunk that holds block `block` the decoded one; on failure, the chunk holds the
    // verified blocks before the bad one.
    Failure decodeChunkAt(std::uint64_t block);
    // Checks the checksums of the blocks from the last verified one up to `block` (excluded).
    Failure verifyUpTo(std::uint64_t block);
    // Appends block `block`'s checksum to the chain if it matches; else the failure that names it.
    Failure chainBlock(std::uint64_t block, const std::uint8_t *bytes, std::uint32_t bodyCrc);
    Failure damaged(std::uint64_t block, const char *what) const;
    Failure readFailure() const;

    std::unique_ptr<FileInput> input_;
    wss::Header header_;
    std::uint64_t blocks_ = 0;
    std::uint64_t position_ = 0;
    // chains_[j]: the chain's value before block j, for every block up to the first not verified.
    std::vector<wss::Crc32Chain> chains_;
    // The first block found bad, and why (blocks_ when none).
    std::uint64_t badBlock_ = 0;
    Failure bad_;
    // What is wrong after the last block (bytes that should not be there), told at the end.
    Failure end_;
    // The decoded chunk: blocks [chunkFirst_, chunkFirst_ + chunkBlocks_), all verified.
    std::uint64_t chunkFirst_ = 0;
    std::size_t chunkBlocks_ = 0;
    std::vector<std::uint8_t> coded_;
    std::vector<std::int16_t> pcm_;
    std::vector<std::uint32_t> bodyCrc_;
};

} // namespace wsslib
