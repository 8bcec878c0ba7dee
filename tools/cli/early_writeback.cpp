#include "early_writeback.h"

#include <fcntl.h>
#include <unistd.h>

namespace wsstool {

ByteRange nextWritebackStretch(std::uint64_t started, std::uint64_t end, std::uint64_t stretch, std::uint64_t page)
{
    const std::uint64_t whole = end - end % page;
    if (whole <= started || whole - started < stretch)
        return {};
    return {started, whole - started};
}

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
    // Errors are left to the final fsync(), which reports any failed write of the file: this
    // call only starts the writing early, and the file is complete and correct without it.
    ::sync_file_range(fd, off_t(range.offset), off_t(range.length), SYNC_FILE_RANGE_WRITE);
    started_ = range.offset + range.length;
}

} // namespace wsstool
