#include "output_file.h"

#include "failure.h"
#include "output_placement.h"
#include "temp_cleanup.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

constexpr std::size_t kWriteBuffer = 1 << 16;

} // namespace

OutputFile::OutputFile(fs::path finalPath)
    : final_(std::move(finalPath))
{
    fs::path dir = final_.parent_path();
    if (dir.empty())
        dir = ".";
    folder_ = absoluteFolder(final_);
    // Hidden, and short enough for the file system even when the final name is at its limit.
    const std::string name = final_.filename().string().substr(0, 200);
    TempFile temp = createTempFile((dir / ("." + name + ".XXXXXX")).string());
    if (temp.fd < 0)
        failWrite(temp.error);
    fd_ = temp.fd;
    slot_ = temp.slot;
    temp_ = std::move(temp.path);
    buffer_.reserve(kWriteBuffer);
}

OutputFile::OutputFile(OutputFile &&other) noexcept
    : final_(std::move(other.final_))
    , temp_(std::move(other.temp_))
    , folder_(std::move(other.folder_))
    , fd_(other.fd_)
    , slot_(other.slot_)
    , error_(other.error_)
    , released_(other.released_)
    , buffer_(std::move(other.buffer_))
    , writeback_(std::move(other.writeback_))
{
    other.fd_ = -1;
    other.released_ = true; // the temporary file is this one's now
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!released_)
        releaseTempFile(slot_, temp_, true);
}

void OutputFile::failWrite(int err)
{
    failOpening(kExitOutput, writingMessage(final_, folder_, err), err);
}

void OutputFile::setError(int err)
{
    if (error_ == 0)
        error_ = err ? err : EIO;
}

void OutputFile::writeAll(const unsigned char *p, std::size_t n)
{
    const std::size_t total = n;
    while (error_ == 0 && n > 0) {
        const ssize_t r = ::write(fd_, p, n);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            setError(r < 0 ? errno : ENOSPC);
        } else {
            p += r;
            n -= std::size_t(r);
        }
    }
    if (error_ == 0)
        writeback_.wrote(fd_, total);
}

void OutputFile::flush()
{
    writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
}

void OutputFile::write(const void *data, std::size_t n)
{
    if (error_)
        return;
    const auto *p = static_cast<const unsigned char *>(data);
    if (buffer_.size() + n > kWriteBuffer)
        flush();
    if (n >= kWriteBuffer)
        writeAll(p, n);
    else
        buffer_.insert(buffer_.end(), p, p + n);
}

void OutputFile::writeAt(std::uint64_t offset, const void *data, std::size_t n)
{
    flush();
    const auto *p = static_cast<const unsigned char *>(data);
    while (error_ == 0 && n > 0) {
        const ssize_t r = ::pwrite(fd_, p, n, off_t(offset));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            setError(r < 0 ? errno : ENOSPC); // a write of nothing sets no errno
        } else {
            p += r;
            n -= std::size_t(r);
            offset += std::uint64_t(r);
        }
    }
}

void OutputFile::check()
{
    if (error_)
        failWrite(error_);
}

void OutputFile::finishWriting()
{
    flush();
    if (const int err = writeback_.finish())
        setError(err);
    check();
}

void OutputFile::close()
{
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        setError(errno);
    check();
}

void OutputFile::release(bool removeFile)
{
    if (released_)
        return;
    released_ = true;
    releaseTempFile(slot_, temp_, removeFile);
}

} // namespace wsstool
