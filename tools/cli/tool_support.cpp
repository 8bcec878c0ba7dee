#include "tool_support.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

constexpr std::size_t kWriteBuffer = 1 << 16;

// The temporary file a signal handler must remove. Only one output is open at a time.
char g_tempPath[4096];
volatile std::sig_atomic_t g_tempActive = 0;

extern "C" void removeTempAndDie(int sig)
{
    if (g_tempActive)
        ::unlink(g_tempPath);
    // SA_RESETHAND put back the default action; it takes effect once this handler returns.
    ::raise(sig);
}

void installSignalHandlers()
{
    struct sigaction sa
    {
    };
    sa.sa_handler = removeTempAndDie;
    sa.sa_flags = SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
    // Past a file size limit, let write() fail with EFBIG and be reported, instead of dying.
    std::signal(SIGXFSZ, SIG_IGN);
}

class SignalBlock
{
public:
    SignalBlock()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int sig : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&set, sig);
        sigprocmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalBlock() { sigprocmask(SIG_SETMASK, &old_, nullptr); }

private:
    sigset_t old_;
};

bool sameFile(const fs::path &a, const fs::path &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

} // namespace

void fail(int exitCode, std::string message)
{
    throw Failure{exitCode, std::move(message)};
}

std::string quote(const fs::path &p)
{
    return "'" + p.string() + "'";
}

std::string errorText(int err)
{
    return std::strerror(err);
}

int runTool(const ToolInfo &tool, int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n%s\n", tool.name, tool.usage);
        return kExitUsage;
    }
    try {
        installSignalHandlers();
        const fs::path input(argv[1]);
        const fs::path name = input.filename();
        if (name.empty() || name == "." || name == "..")
            fail(kExitUsage, quote(input) + " is not a file name");
        fs::path output = input;
        output.replace_extension(tool.outputSuffix);
        if (output == input || sameFile(input, output))
            fail(kExitUsage,
                "the output " + quote(output) + " would replace the input; expected a " + tool.inputKind + " file");
        tool.convert(input, output);
        return kExitOk;
    } catch (const Failure &f) {
        std::fprintf(stderr, "%s: %s\n", tool.name, f.message.c_str());
        return f.exitCode;
    } catch (const std::bad_alloc &) {
        std::fprintf(stderr, "%s: out of memory\n", tool.name);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s: %s\n", tool.name, e.what());
    }
    return kExitInternal;
}

InputFile::InputFile(fs::path path)
    : path_(std::move(path))
{
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        fail(kExitInput, "cannot open " + quote(path_) + ": " + errorText(errno));
    struct stat st
    {
    };
    if (::fstat(fd_, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(kExitInput, "cannot open " + quote(path_) + ": " + errorText(EISDIR));
        emptyRegular_ = S_ISREG(st.st_mode) && st.st_size == 0;
    }
}

InputFile::~InputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t InputFile::read(void *buf, std::size_t n)
{
    auto *p = static_cast<unsigned char *>(buf);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t r = ::read(fd_, p + done, n - done);
        if (r == 0)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            fail(kExitInput, "cannot read " + quote(path_) + ": " + errorText(errno));
        }
        done += std::size_t(r);
    }
    return done;
}

OutputFile::OutputFile(fs::path finalPath)
    : final_(std::move(finalPath))
{
    fs::path dir = final_.parent_path();
    if (dir.empty())
        dir = ".";
    // Hidden, and short enough for the file system even when the final name is at its limit.
    const std::string name = final_.filename().string().substr(0, 200);
    const std::string pattern = (dir / ("." + name + ".XXXXXX")).string();
    if (pattern.size() >= sizeof g_tempPath)
        fail(kExitOutput, "cannot write " + quote(final_) + ": " + errorText(ENAMETOOLONG));
    {
        SignalBlock block;
        std::memcpy(g_tempPath, pattern.c_str(), pattern.size() + 1);
        fd_ = ::mkostemp(g_tempPath, O_CLOEXEC);
        if (fd_ < 0)
            fail(kExitOutput, "cannot write " + quote(final_) + ": " + errorText(errno));
        temp_ = g_tempPath;
        g_tempActive = 1;
    }
    buffer_.reserve(kWriteBuffer);
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_) {
        SignalBlock block;
        ::unlink(temp_.c_str());
        g_tempActive = 0;
    }
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
        fail(kExitOutput, "cannot write " + quote(final_) + ": " + errorText(error_));
}

void OutputFile::commit()
{
    flush();
    check();
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd_, 0666 & ~mask) != 0 || ::fsync(fd_) != 0)
        setError(errno);
    check();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        setError(errno);
    check();
    SignalBlock block;
    if (::rename(temp_.c_str(), final_.c_str()) != 0)
        fail(kExitOutput, "cannot write " + quote(final_) + ": " + errorText(errno));
    committed_ = true;
    g_tempActive = 0;
}

// libsndfile's virtual I/O over an OutputFile. Errors must not be thrown through libsndfile (a C
// library), so they are kept in the OutputFile and short counts are returned.
struct OutputIo
{
    static OutputFile &out(void *user) { return *static_cast<OutputFile *>(user); }

    static sf_count_t length(void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        struct stat st
        {
        };
        return ::fstat(o.fd_, &st) == 0 ? st.st_size : -1;
    }
    static sf_count_t seek(sf_count_t offset, int whence, void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        return ::lseek(o.fd_, off_t(offset), whence);
    }
    static sf_count_t read(void *ptr, sf_count_t count, void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        const ssize_t r = ::read(o.fd_, ptr, std::size_t(count));
        return r < 0 ? 0 : r;
    }
    static sf_count_t write(const void *ptr, sf_count_t count, void *user)
    {
        OutputFile &o = out(user);
        o.write(ptr, std::size_t(count));
        return o.failed() ? 0 : count;
    }
    static sf_count_t tell(void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        return ::lseek(o.fd_, 0, SEEK_CUR);
    }
};

SNDFILE *OutputFile::openSndfile(SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {OutputIo::length, OutputIo::seek, OutputIo::read, OutputIo::write, OutputIo::tell};
    return sf_open_virtual(&io, SFM_WRITE, &info, this);
}

} // namespace wsstool
