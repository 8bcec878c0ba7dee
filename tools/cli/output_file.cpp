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

// Whether the two files hold the same bytes (false on any doubt).
bool sameContent(const char *a, const char *b)
{
    const int fa = ::open(a, O_RDONLY | O_CLOEXEC);
    const int fb = ::open(b, O_RDONLY | O_CLOEXEC);
    bool same = false;
    struct stat sa
    {
    }, sb{};
    if (fa >= 0 && fb >= 0 && ::fstat(fa, &sa) == 0 && ::fstat(fb, &sb) == 0 && S_ISREG(sa.st_mode)
        && S_ISREG(sb.st_mode) && sa.st_size == sb.st_size) {
        std::vector<char> ba(kWriteBuffer), bb(kWriteBuffer);
        for (;;) {
            const ssize_t ra = ::read(fa, ba.data(), ba.size());
            const ssize_t rb = ::read(fb, bb.data(), bb.size());
            if (ra < 0 || ra != rb || !std::equal(ba.begin(), ba.begin() + ra, bb.begin()))
                break;
            if (ra == 0) {
                same = true;
                break;
            }
        }
    }
    if (fa >= 0)
        ::close(fa);
    if (fb >= 0)
        ::close(fb);
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
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    folder_ = ec ? dir.string() : absolute.lexically_normal().string();
    if (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
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
    if (error_)
        return;
    if (::pwrite(fd_, data, n, off_t(offset)) != ssize_t(n))
        setError(errno);
}

void OutputFile::check()
{
    if (error_)
        failWrite(error_);
}

bool OutputFile::prepareToPlace()
{
    // Running the same conversion again changes nothing and leaves no backup behind. Checked
    // before the fsync, which is most of the cost of a small file.
    if (!run_.force && sameContent(temp_.c_str(), final_.c_str())) {
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
        const fs::path backup = placeOutput(temp_, final_, folder_, run_.force);
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
