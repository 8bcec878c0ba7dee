#include "sndfile_io.h"

#include <algorithm>
#include <cstring>

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

// Reading through a SplicedFile: its head from memory, the rest with pread() from the file.
SplicedFile &splicedOf(void *user)
{
    return *static_cast<SplicedFile *>(user);
}

sf_count_t splicedLength(void *user)
{
    return sf_count_t(splicedOf(user).size());
}

sf_count_t splicedSeek(sf_count_t offset, int whence, void *user)
{
    SplicedFile &f = splicedOf(user);
    const sf_count_t from = whence == SEEK_CUR ? sf_count_t(f.position) : whence == SEEK_END ? sf_count_t(f.size()) : 0;
    if (offset < -from)
        return -1;
    f.position = std::uint64_t(from + offset);
    return sf_count_t(f.position);
}

sf_count_t splicedRead(void *ptr, sf_count_t count, void *user)
{
    SplicedFile &f = splicedOf(user);
    auto *bytes = static_cast<std::uint8_t *>(ptr);
    std::uint64_t want = std::uint64_t(std::max<sf_count_t>(count, 0));
    std::uint64_t done = 0;
    if (f.position < f.head.size()) {
        done = std::min<std::uint64_t>(want, f.head.size() - f.position);
        std::memcpy(bytes, f.head.data() + f.position, std::size_t(done));
    }
    if (done < want) { // past the head: the file's stretch
        const std::uint64_t at = f.position + done - f.head.size();
        if (at < f.length) {
            want = std::min(want - done, f.length - at);
            const ssize_t r = ::pread(f.fd, bytes + done, std::size_t(want), off_t(f.from + at));
            done += r > 0 ? std::uint64_t(r) : 0;
        }
    }
    f.position += done;
    return sf_count_t(done);
}

sf_count_t splicedWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t splicedTell(void *user)
{
    return sf_count_t(splicedOf(user).position);
}

} // namespace

SNDFILE *openSndfileReading(SplicedFile &file, SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {splicedLength, splicedSeek, splicedRead, splicedWrite, splicedTell};
    return sf_open_virtual(&io, SFM_READ, &info, &file);
}

SNDFILE *openSndfile(OutputFile &out, SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {ioLength, ioSeek, ioRead, ioWrite, ioTell};
    return sf_open_virtual(&io, SFM_WRITE, &info, &out);
}

} // namespace wsstool
