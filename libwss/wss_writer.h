#pragma once

// Writing a WSS file frame by frame: frames gather until a chunk of blocks is full, which the
// tools' block coder codes and which goes out with its checksums chained. The file is written
// under a temporary name beside the target and takes the target's name only when it is complete,
// so an earlier file of that name stays whole until then, and a failed write leaves nothing.

#include "failure.h"
#include "wss_header.h"

#include "crc32.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace wsslib {

class Writer
{
public:
    Writer(std::string path, std::uint32_t sampleRate, unsigned channels);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    Failure open();
    Failure write(const std::int16_t *pcm, std::uint64_t frames);
    // Codes what is left, writes the header and gives the file its name.
    Failure finish();
    const wss::Header &header() const { return header_; }

private:
    Failure codeBlocks(std::size_t frames);
    Failure writeFailure() const;

    std::string path_;
    std::string tempPath_;
    std::FILE *file_ = nullptr;
    wss::Header header_;
    wss::Crc32Chain chain_;
    std::vector<std::int16_t> pending_; // frames not coded yet, interleaved
    std::vector<std::uint8_t> coded_;
    Failure failed_; // a write that failed makes every later call fail the same way
};

} // namespace wsslib
