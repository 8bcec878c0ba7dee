#pragma once

// Opening a WAV input for libsndfile the way WSSCod.exe reads it, with its messages for a file it
// refuses (thrown as a Failure with kExitInput).

#include "sndfile_io.h"
#include "wav_layout.h"

#include <sndfile.h>

#include <filesystem>

namespace wsstool {

[[noreturn]] void notWav(const std::filesystem::path &p);

// `why` is libsndfile's message, in English.
[[noreturn]] void failReading(const std::filesystem::path &p, const char *why);

// Opens the WAV file `fd` (named `inPath` in messages, its chunks read into `layout`) for
// libsndfile: as it is, or through `spliced` where libsndfile would read it wrong. Refuses a file
// whose sound comes before its fmt chunk, and one libsndfile cannot read, saying why.
Sndfile openWav(
    int fd, const std::filesystem::path &inPath, const WavLayout &layout, SplicedFile &spliced, SF_INFO &info);

} // namespace wsstool
