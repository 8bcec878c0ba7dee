#include "early_writeback.h"

#include "worker_thread.h"

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace wsstool {

namespace {

// The helper only calls fdatasync().
constexpr std::size_t kFlusherStack = std::size_t(64) << 10;

} // namespace

ByteRange nextWritebackStretch(std::uint64_t started, std::uint64_t end, std::uint64_t stretch, std::uint64_t page)
{
    const std::uint64_t whole = end - end % page;
    if (whole <= started || whole - started < stretch)
        return {};
    return {started, whole - started};
}

// The helper thread: one fdatasync() at a time, of its own descriptor of the file, so that it
// never flushes a descriptor closed or reused meanwhile. Asked again while it flushes, it flushes
// once more afterwards.
class EarlyWriteback::Flusher
{
public:
    // Throws std::system_error when the thread cannot be started.
    explicit Flusher(int fd)
        : fd_(::fcntl(fd, F_DUPFD_CLOEXEC, 0))
    {
        if (fd_ < 0)
            throw std::system_error(errno, std::generic_category());
        try {
            // It takes no signal from outside: those are the converting thread's, whose
            // SignalBlock must keep them out of placing an output.
            thread_.emplace(kFlusherStack, [this] { serve(); });
        } catch (...) {
            ::close(fd_);
            throw;
        }
    }

    ~Flusher() { finish(); }
    Flusher(const Flusher &) = delete;
    Flusher &operator=(const Flusher &) = delete;

    void request()
    {
        {
            std::lock_guard lock(mutex_);
            pending_ = true;
        }
        wake_.notify_one();
    }

    int finish()
    {
        if (thread_) {
            {
                std::lock_guard lock(mutex_);
                stop_ = true;
            }
            wake_.notify_one();
            thread_.reset();
            ::close(fd_);
        }
        return error_;
    }

private:
    void serve()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return pending_ || stop_; });
            if (stop_)
                return; // what is left is the final flush's
            pending_ = false;
            lock.unlock();
            const int err = ::fdatasync(fd_) == 0 ? 0 : errno;
            lock.lock();
            if (error_ == 0)
                error_ = err;
        }
    }

    int fd_;
    std::optional<wss::WorkerThread> thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool pending_ = false;
    bool stop_ = false;
    int error_ = 0;
};

EarlyWriteback::EarlyWriteback() = default;
EarlyWriteback::~EarlyWriteback() = default;
EarlyWriteback::EarlyWriteback(EarlyWriteback &&) noexcept = default;

void EarlyWriteback::wrote(int fd, std::size_t n)
{
    unchecked_ += n;
    if (unchecked_ < kWritebackStretch)
        return;
    unchecked_ = 0;
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    if (end < 0)
        return;
    static const auto page = std::uint64_t(::sysconf(_SC_PAGESIZE));
    const ByteRange range = nextWritebackStretch(started_, std::uint64_t(end), kWritebackStretch, page);
    if (range.length == 0)
        return;
    // Started here, not on the helper thread, which runs late behind the coding threads
    // (tools/README.md). A write error it reports is the file's; a file system without it is
    // left to the flushes.
    if (::sync_file_range(fd, off_t(range.offset), off_t(range.length), SYNC_FILE_RANGE_WRITE) != 0 && errno == EIO
        && error_ == 0)
        error_ = EIO;
    started_ = range.offset + range.length;
    if (flushes_ && started_ - flushedAt_ >= kFlushStretch)
        requestFlush(fd);
}

void EarlyWriteback::requestFlush(int fd)
{
    flushedAt_ = started_;
    if (!flusher_) {
        try {
            flusher_ = std::make_unique<Flusher>(fd);
        } catch (const std::system_error &) {
            flushes_ = false; // without a helper thread, the final flush does it all
            return;
        }
    }
    flusher_->request();
}

int EarlyWriteback::finish()
{
    const int flushError = flusher_ ? flusher_->finish() : 0;
    return error_ != 0 ? error_ : flushError;
}

} // namespace wsstool
