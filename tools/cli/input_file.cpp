#include "input_file.h"

#include "failure.h"
#include "i18n.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wsstool {

InputFile::InputFile(std::filesystem::path path)
    : path_(std::move(path))
{
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        failOpen(errno);
    struct stat st
    {
    };
    if (::fstat(fd_, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            failOpen(EISDIR);
        emptyRegular_ = S_ISREG(st.st_mode) && st.st_size == 0;
    }
}

void InputFile::failOpen(int err)
{
    /* TRANSLATORS: the file's name, in quotes, and the system's reason. */
    fail(kExitInput, format(_("cannot open %s: %s"), quote(path_).c_str(), errorText(err).c_str()));
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
            /* TRANSLATORS: the file's name, in quotes, and the system's reason. */
            fail(kExitInput, format(_("cannot read %s: %s"), quote(path_).c_str(), errorText(errno).c_str()));
        }
        done += std::size_t(r);
    }
    return done;
}

} // namespace wsstool
