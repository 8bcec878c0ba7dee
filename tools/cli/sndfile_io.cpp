#include "sndfile_io.h"

#include <sys/stat.h>
#include <unistd.h>

namespace wsstool {

namespace {

// libsndfile's virtual I/O over an OutputFile. Errors must not be thrown through libsndfile (a C
// library), so they are kept in the OutputFile and short counts are returned.
OutputFile &outputOf(void *user)
{
    return *static_cast<OutputFile *>(user);
}

sf_count_t ioLength(void *user)
{
    OutputFile &o = outputOf(user);
    o.flush();
    struct stat st
    {
    };
    return ::fstat(o.fd(), &st) == 0 ? st.st_size : -1;
}

sf_count_t ioSeek(sf_count_t offset, int whence, void *user)
{
    OutputFile &o = outputOf(user);
    o.flush();
    return ::lseek(o.fd(), off_t(offset), whence);
}

sf_count_t ioRead(void *ptr, sf_count_t count, void *user)
{
    OutputFile &o = outputOf(user);
    o.flush();
    const ssize_t r = ::read(o.fd(), ptr, std::size_t(count));
    return r < 0 ? 0 : r;
}

sf_count_t ioWrite(const void *ptr, sf_count_t count, void *user)
{
    OutputFile &o = outputOf(user);
    o.write(ptr, std::size_t(count));
    return o.failed() ? 0 : count;
}

sf_count_t ioTell(void *user)
{
    OutputFile &o = outputOf(user);
    o.flush();
    return ::lseek(o.fd(), 0, SEEK_CUR);
}

} // namespace

SNDFILE *openSndfile(OutputFile &out, SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {ioLength, ioSeek, ioRead, ioWrite, ioTell};
    return sf_open_virtual(&io, SFM_WRITE, &info, &out);
}

} // namespace wsstool
