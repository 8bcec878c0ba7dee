#pragma once

// Reading the sound of a WAV file (or its relatives WAVEX and RF64) as 16-bit samples, whatever
// the file's own sample format, through an open libsndfile handle.

#include <sndfile.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wsstool {

// Whether a libsndfile format is one of the WAV family the encoder accepts.
bool isWavFamily(int format);

// Full scale (-1.0 .. 1.0) to 16 bits, rounded to nearest; out-of-range values are clipped.
std::int16_t toPcm16(double x);

// Reads frames in the WAV's own sample format and hands them on as 16-bit samples. Formats of up
// to 16 bits are read as 16-bit directly, which is exact; wider ones and floats are read as
// doubles and rounded here, so clipping and rounding are ours and not libsndfile's defaults.
class PcmReader
{
public:
    PcmReader(SNDFILE *file, const SF_INFO &info);

    // Fills `out`, which holds at least `frames` frames, with up to `frames` frames; fewer only
    // at the end of the sound.
    std::size_t read(std::vector<std::int16_t> &out, std::size_t frames);

private:
    SNDFILE *file_;
    std::size_t channels_;
    bool wide_ = false;
    std::vector<double> buffer_;
};

} // namespace wsstool
