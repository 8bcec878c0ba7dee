#pragma once

// Writing an output to disk while the tool is still converting. Left alone, the kernel holds a
// large file's data in memory until the final fsync(), which then waits for all of it; and the
// disk itself may hold what it was sent in a cache of its own until it is told to flush (a
// virtual machine's disk: the host's page cache). So every finished stretch of a few MiB is sent
// to the disk at once, and every few stretches a helper thread makes what was sent durable
// (fdatasync()), while the tool goes on converting. The final fsync() then finds little left.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace wsstool {

// How much is written between two starts of the disk writing: large enough that the disk gets
// big writes and the calls cost nothing, small enough that the disk starts early.
inline constexpr std::uint64_t kWritebackStretch = std::uint64_t(8) << 20;
// How much is sent to the disk between two early flushes: each costs a journal commit and a flush
// of the disk's cache, so not too often.
inline constexpr std::uint64_t kFlushStretch = std::uint64_t(32) << 20;

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

// Told of each write to one file: starts the disk writing of each finished stretch
// (sync_file_range(SYNC_FILE_RANGE_WRITE), which does not wait for the disk), and, on a helper
// thread of its own, flushes the file (fdatasync()) after every kFlushStretch of them.
class EarlyWriteback
{
public:
    EarlyWriteback();
    ~EarlyWriteback(); // waits for a flush that is running
    EarlyWriteback(EarlyWriteback &&) noexcept;
    EarlyWriteback &operator=(EarlyWriteback &&) = delete;
    EarlyWriteback(const EarlyWriteback &) = delete;
    EarlyWriteback &operator=(const EarlyWriteback &) = delete;

    // `n` bytes have been written to `fd` at its file position.
    void wrote(int fd, std::size_t n);
    // Ends the early flushes, waiting for one that is running, and returns the error one of them,
    // or a start of the disk writing, reported (0 if none). The caller must keep it: a failed write is reported by only
    // one flush of the file, so the final one would not see it again.
    int finish();

private:
    class Flusher;
    void requestFlush(int fd);

    std::uint64_t unchecked_ = 0; // bytes written since the position was last looked at
    std::uint64_t started_ = 0; // where the writing to disk has been started up to
    std::uint64_t flushedAt_ = 0; // what had been started when the last flush was asked for
    bool flushes_ = true; // false when the helper thread cannot be had
    int error_ = 0; // a write error the disk writing reported as it started
    std::unique_ptr<Flusher> flusher_; // made at the first flush
};

} // namespace wsstool
