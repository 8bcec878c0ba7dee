#include "same_content.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wsstool {

int openToCompare(const std::filesystem::path &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    // O_NONBLOCK: should a named pipe take the name meanwhile, the open does not wait for it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

bool sameContent(int a, int b)
{
    struct stat sa
    {
    }, sb{};
    if (::fstat(a, &sa) != 0 || ::fstat(b, &sb) != 0 || sa.st_size != sb.st_size)
        return false;
    constexpr std::size_t kChunk = 1 << 16;
    std::vector<char> ba(kChunk), bb(kChunk);
    bool same = true;
    for (off_t at = 0; same && at < sa.st_size;) {
        const ssize_t ra = ::pread(a, ba.data(), ba.size(), at);
        const ssize_t rb = ::pread(b, bb.data(), bb.size(), at);
        same = ra > 0 && ra == rb && std::equal(ba.begin(), ba.begin() + ra, bb.begin());
        at += ra;
    }
    return same;
}

} // namespace wsstool
