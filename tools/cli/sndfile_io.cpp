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

// Reading through a PatchedFile, with pread() from its own position.
PatchedFile &patchedOf(void *user)
{
    return *static_cast<PatchedFile *>(user);
}

sf_count_t patchedLength(void *user)
{
    return sf_count_t(patchedOf(user).size);
}

sf_count_t patchedSeek(sf_count_t offset, int whence, void *user)
{
    PatchedFile &f = patchedOf(user);
    const sf_count_t from = whence == SEEK_CUR ? sf_count_t(f.position) : whence == SEEK_END ? sf_count_t(f.size) : 0;
    if (offset < -from)
        return -1;
    f.position = std::uint64_t(from + offset);
    return sf_count_t(f.position);
}

sf_count_t patchedRead(void *ptr, sf_count_t count, void *user)
{
    PatchedFile &f = patchedOf(user);
    auto *bytes = static_cast<std::uint8_t *>(ptr);
    const ssize_t r = ::pread(f.fd, bytes, std::size_t(count), off_t(f.position));
    if (r <= 0)
        return 0;
    for (const PatchedFile::Patch &p : f.patches) {
        for (std::uint64_t i = 0; i < 4; ++i) {
            const std::uint64_t at = p.offset + i;
            if (at >= f.position && at < f.position + std::uint64_t(r)) {
                const unsigned shift = unsigned(8 * (f.bigEndian ? 3 - i : i));
                bytes[at - f.position] = std::uint8_t(p.value >> shift);
            }
        }
    }
    f.position += std::uint64_t(r);
    return r;
}

sf_count_t patchedWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t patchedTell(void *user)
{
    return sf_count_t(patchedOf(user).position);
}

} // namespace

SNDFILE *openSndfileReading(PatchedFile &file, SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {patchedLength, patchedSeek, patchedRead, patchedWrite, patchedTell};
    return sf_open_virtual(&io, SFM_READ, &info, &file);
}

SNDFILE *openSndfile(OutputFile &out, SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {ioLength, ioSeek, ioRead, ioWrite, ioTell};
    return sf_open_virtual(&io, SFM_WRITE, &info, &out);
}

} // namespace wsstool
