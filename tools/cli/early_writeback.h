#pragma once

// Starting the disk writing of an output while the tool is still converting. Left alone, the
// kernel holds a large file's data in memory until the final fsync(), which then waits for all of
// it; started a few MiB at a time, the disk writes while the tool codes, and the fsync() finds
// little left to do.

#include <cstddef>
#include <cstdint>

namespace wsstool {

// How much is written between two starts: large enough that the disk gets big writes and the
// calls cost nothing, small enough that the disk starts early.
inline constexpr std::uint64_t kWritebackStretch = std::uint64_t(8) << 20;

struct ByteRange
{
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The next stretch of a file written front to back to start writing to disk: from `started`, where
// the last stretch ended, up to the write position `end` rounded down to whole pages (a page still
// being filled is left for later), once that is at least `stretch` bytes; else nothing (length 0),
// also when the position has gone back.
ByteRange nextWritebackStretch(std::uint64_t started, std::uint64_t end, std::uint64_t stretch, std::uint64_t page);

// Told of each write to one file, starts the disk writing of each finished stretch
// (sync_file_range(SYNC_FILE_RANGE_WRITE), which does not wait for the disk).
class EarlyWriteback
{
public:
    // `n` bytes have been written to `fd` at its file position.
    void wrote(int fd, std::size_t n);

private:
    std::uint64_t unchecked_ = 0; // bytes written since the position was last looked at
    std::uint64_t started_ = 0; // where the writing to disk has been started up to
};

} // namespace wsstool
