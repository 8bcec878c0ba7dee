#pragma once

// Bytes a WSS file is read from: the caller's read and seek callbacks, or a file opened by path
// (stdio, through the same two callbacks). Knows its position, so that reading on from where the
// last read ended costs no seek, and a stream without a seek callback reads straight through.

#include "wss/wss.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace wsslib {

class FileInput
{
public:
    FileInput(const wss_io &io, void *user);
    // Takes the stream over: it is closed with this object.
    explicit FileInput(std::FILE *file);
    ~FileInput();
    FileInput(const FileInput &) = delete;
    FileInput &operator=(const FileInput &) = delete;

    // Reads up to n bytes at `offset` (from where the header starts) and returns how many; fewer
    // only at the end. Returns -1 when reading or positioning fails.
    std::int64_t readAt(std::uint64_t offset, std::uint8_t *bytes, std::size_t n);
    bool seekable() const { return io_.seek != nullptr; }

private:
    wss_io io_;
    void *user_;
    std::FILE *owned_ = nullptr;
    std::uint64_t start_ = 0; // where the header starts in the stream
    std::uint64_t at_ = 0; // the stream's position, from start_
};

} // namespace wsslib
