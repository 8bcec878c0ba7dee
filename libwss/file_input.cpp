#include "file_input.h"

#include <cstdio>

namespace wsslib {

namespace {

std::int64_t readFile(void *user, void *buffer, std::size_t size)
{
    auto *file = static_cast<std::FILE *>(user);
    const std::size_t got = std::fread(buffer, 1, size, file);
    return got < size && std::ferror(file) ? -1 : std::int64_t(got);
}

std::int64_t seekFile(void *user, std::int64_t offset, int whence)
{
    auto *file = static_cast<std::FILE *>(user);
    if (fseeko(file, off_t(offset), whence) != 0)
        return -1;
    return std::int64_t(ftello(file));
}

} // namespace

FileInput::FileInput(const wss_io &io, void *user)
    : io_(io)
    , user_(user)
{
    if (io_.seek) {
        const std::int64_t here = io_.seek(user_, 0, SEEK_CUR);
        if (here > 0)
            start_ = std::uint64_t(here);
    }
}

FileInput::FileInput(std::FILE *file)
    : io_{readFile, seekFile}
    , user_(file)
    , owned_(file)
{ }

FileInput::~FileInput()
{
    if (owned_)
        std::fclose(owned_);
}

std::int64_t FileInput::readAt(std::uint64_t offset, std::uint8_t *bytes, std::size_t n)
{
    if (offset != at_) {
        if (!io_.seek || offset > std::uint64_t(INT64_MAX) - start_
            || io_.seek(user_, std::int64_t(start_ + offset), SEEK_SET) != std::int64_t(start_ + offset))
            return -1;
        at_ = offset;
    }
    std::size_t done = 0;
    while (done < n) {
        const std::int64_t got = io_.read(user_, bytes + done, n - done);
        if (got < 0 || std::uint64_t(got) > n - done) {
            at_ = ~std::uint64_t{0}; // unknown: the next read seeks first
            return -1;
        }
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    at_ += done;
    return std::int64_t(done);
}

} // namespace wsslib
