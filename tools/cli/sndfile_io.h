#pragma once

// libsndfile with the tools' own files: a handle that closes itself, and writing a sound file
// through an OutputFile (libsndfile's virtual I/O), so that it gets the output's temporary name,
// backup and signal handling like any other output.

#include "output_file.h"

#include <sndfile.h>

#include <memory>

namespace wsstool {

struct SndfileCloser
{
    void operator()(SNDFILE *f) const { sf_close(f); }
};
using Sndfile = std::unique_ptr<SNDFILE, SndfileCloser>;

// libsndfile writing through `out`. Write errors land in out.failed() / out.check().
SNDFILE *openSndfile(OutputFile &out, SF_INFO &info);

} // namespace wsstool
