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

// A file read as if some of its bytes were others: a WAV header's 32-bit lengths put right,
// without changing the file. Lives as long as the SNDFILE reading it.
struct PatchedFile
{
    struct Patch
    {
        std::uint64_t offset;
        std::uint32_t value; // little-endian, or big-endian in a RIFX file
    };
    int fd;
    std::uint64_t size;
    bool bigEndian = false;
    std::vector<Patch> patches;
    std::uint64_t position = 0;
};

// libsndfile reading `file` through its patches.
SNDFILE *openSndfileReading(PatchedFile &file, SF_INFO &info);

} // namespace wsstool
