#pragma once

// libsndfile with the tools' own files: a handle that closes itself, and writing a sound file
// through an OutputFile (libsndfile's virtual I/O), so that it gets the output's temporary name,
// backup and signal handling like any other output.

#include "output_file.h"

#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace wsstool {

struct SndfileCloser
{
    void operator()(SNDFILE *f) const { sf_close(f); }
};
using Sndfile = std::unique_ptr<SNDFILE, SndfileCloser>;

// libsndfile writing through `out`. Write errors land in out.failed() / out.check().
SNDFILE *openSndfile(OutputFile &out, SF_INFO &info);

// A WAV file read as another: a head made in memory (plainWavHead), followed by `length` bytes of
// the file from `from` on, its sound. Lives as long as the SNDFILE reading it.
struct SplicedFile
{
    int fd = -1;
    std::vector<std::uint8_t> head;
    std::uint64_t from = 0;
    std::uint64_t length = 0;
    std::uint64_t position = 0;

    std::uint64_t size() const { return head.size() + length; }
};

// libsndfile reading `file`.
SNDFILE *openSndfileReading(SplicedFile &file, SF_INFO &info);

} // namespace wsstool
