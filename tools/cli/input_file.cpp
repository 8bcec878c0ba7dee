#include "input_file.h"

#include "failure.h"

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

} // namespace wsstool
