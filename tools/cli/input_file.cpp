#include "input_file.h"

#include "failure.h"
#include "i18n.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace wsstool {

std::string notRegularFile(const std::filesystem::path &path, mode_t mode)
{
    const std::string name = quote(path);
    if (S_ISFIFO(mode))
        /* TRANSLATORS: %s is the name given, in quotes. */
        return format(_("%s is a pipe, not a regular file"), name.c_str());
    if (S_ISSOCK(mode))
        /* TRANSLATORS: %s is the name given, in quotes. */
        return format(_("%s is a socket, not a regular file"), name.c_str());
    /* TRANSLATORS: %s is the name given, in quotes. */
    return format(_("%s is a device, not a regular file"), name.c_str());
}

bool namesDescriptor(const std::filesystem::path &path)
{
    std::filesystem::path at = path;
    for (int hop = 0; hop < 16; ++hop) { // a link to a link ...; a loop fails to open anyway
        std::filesystem::path folder = at.parent_path();
        if (folder.empty())
            folder = ".";
        struct statfs fs
        {
        };
        if (::statfs(folder.c_str(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC)
            return true;
        std::error_code ec;
        const std::filesystem::path target = std::filesystem::read_symlink(at, ec);
        if (ec)
            return false;
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return false;
}

InputFile::InputFile(std::filesystem::path path)
    : path_(std::move(path))
{
    // O_NONBLOCK: opening a named pipe without a writer would wait for one.
    fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        failOpen(errno);
    struct stat st
    {
    };
    int err = 0;
    // Reads of a regular file never wait anyway; O_NONBLOCK is taken off all the same.
    if (::fstat(fd_, &st) != 0 || (S_ISREG(st.st_mode) && ::fcntl(fd_, F_SETFL, 0) != 0))
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    else if (!S_ISREG(st.st_mode))
        err = -1;
    if (err != 0) {
        ::close(fd_); // the destructor does not run for a constructor that throws
        fd_ = -1;
        if (err < 0)
            fail(kExitInput, notRegularFile(path_, st.st_mode));
        failOpen(err);
    }
    emptyRegular_ = st.st_size == 0;
    readAhead();
}

// The tools read front to back; a larger read-ahead reads a cold input faster (tools/README.md).
void InputFile::readAhead()
{
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

void InputFile::failOpen(int err)
{
    /* TRANSLATORS: the file's name, in quotes, and the system's reason. */
    failOpening(kExitInput, format(_("cannot open %s: %s"), quote(path_).c_str(), errorText(err).c_str()), err);
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
            const int err = errno; // before the message's strings are made
            if (err == EINTR)
                continue;
            /* TRANSLATORS: the file's name, in quotes, and the system's reason. */
            fail(kExitInput, format(_("cannot read %s: %s"), quote(path_).c_str(), errorText(err).c_str()));
        }
        done += std::size_t(r);
    }
    return done;
}

} // namespace wsstool
