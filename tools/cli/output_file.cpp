#include "output_file.h"

#include "failure.h"
#include "i18n.h"
#include "output_placement.h"
#include "temp_cleanup.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

constexpr std::size_t kWriteBuffer = 1 << 16;

// Whether the regular file at `path` holds exactly the `size` bytes of `fd` (false on any doubt).
// Anything else of that name (a named pipe, a device) is never opened, and the open does not
// wait, should one take the name meanwhile.
bool sameContent(int fd, off_t size, const char *path, RunContext &run)
{
    struct stat st
    {
    };
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != size)
        return false;
    const int other = run.openFreeing([&] { return ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC); });
    if (other < 0)
        return false;
    bool same = ::fstat(other, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == size;
    std::vector<char> ba(kWriteBuffer), bb(kWriteBuffer);
    for (off_t at = 0; same && at < size;) {
        const ssize_t ra = ::pread(fd, ba.data(), ba.size(), at);
        const ssize_t rb = ::pread(other, bb.data(), bb.size(), at);
        same = ra > 0 && ra == rb && std::equal(ba.begin(), ba.begin() + ra, bb.begin());
        at += ra;
    }
    ::close(other);
    return same;
}

} // namespace

OutputFile::OutputFile(fs::path finalPath, RunContext &run)
    : run_(run)
    , final_(std::move(finalPath))
    , number_(run.fileNumber)
{
    fs::path dir = final_.parent_path();
    if (dir.empty())
        dir = ".";
    folder_ = absoluteFolder(final_);
    // Hidden, and short enough for the file system even when the final name is at its limit.
    const std::string name = final_.filename().string().substr(0, 200);
    TempFile temp;
    run.openFreeing([&] {
        temp = createTempFile((dir / ("." + name + ".XXXXXX")).string());
        errno = temp.error;
        return temp.fd;
    });
    if (temp.fd < 0)
        failWrite(temp.error);
    fd_ = temp.fd;
    slot_ = temp.slot;
    temp_ = std::move(temp.path);
    buffer_.reserve(kWriteBuffer);
}

OutputFile::OutputFile(OutputFile &&other) noexcept
    : run_(other.run_)
    , final_(std::move(other.final_))
    , temp_(std::move(other.temp_))
    , folder_(std::move(other.folder_))
    , fd_(other.fd_)
    , slot_(other.slot_)
    , number_(other.number_)
    , error_(other.error_)
    , committed_(other.committed_)
    , buffer_(std::move(other.buffer_))
    , writeback_(std::move(other.writeback_))
{
    other.fd_ = -1;
    other.committed_ = true; // the temporary file is this one's now
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        releaseTempFile(slot_, temp_, true);
}

void OutputFile::failWrite(int err)
{
    failWriting(final_, folder_, err);
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

bool OutputFile::prepareToPlace()
{
    // The write error an early flush found is this file's: the final flush would not report it.
    if (const int err = writeback_.finish())
        setError(err);
    // Running the same conversion again changes nothing and leaves no backup behind. Checked
    // before the fsync, which is most of the cost of a small file.
    struct stat st
    {
    };
    if (!run_.force && ::fstat(fd_, &st) == 0 && sameContent(fd_, st.st_size, final_.c_str(), run_)) {
        releaseTempFile(slot_, temp_, true);
        committed_ = true;
        run_.progress.same(number_, final_);
        return false;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd_, 0666 & ~mask) != 0)
        setError(errno);
    check();
    return true;
}

void OutputFile::syncData()
{
    if (::fsync(fd_) != 0)
        setError(errno);
}

void OutputFile::finish(bool syncFolderNow)
{
    check();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        setError(errno);
    check();
    {
        SignalBlock block;
        fs::path backup;
        try {
            backup = placeOutput(temp_, final_, folder_, run_.force, run_.backups);
        } catch (const EarlierUnderTempName &) {
            committed_ = true; // the temporary name holds the earlier file now: keep it
            releaseTempFile(slot_, temp_, false);
            throw;
        }
        if (syncFolderNow)
            syncFolder(folder_);
        if (!backup.empty()) {
            run_.progress.kept(number_, final_, backup);
            /* TRANSLATORS: the output's name and the backup name it is kept under, in quotes. */
            report(run_.toolName, format(_("kept the earlier %s as %s"), quote(final_).c_str(), quote(backup).c_str()));
        }
        committed_ = true;
        releaseTempFile(slot_, temp_, false);
    }
    run_.progress.wrote(number_, final_);
}

} // namespace wsstool
