#include "wav_reader.h"

#include <cmath>

namespace wsstool {

bool isWavFamily(int format)
{
    switch (format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_RF64:
        return true;
    default:
        return false;
    }
}

std::int16_t toPcm16(double x)
{
    const double v = x * 32768.0;
    if (std::isnan(v))
        return 0;
    if (v >= 32767.0)
        return 32767;
    if (v <= -32768.0)
        return -32768;
    return std::int16_t(std::lrint(v));
}

PcmReader::PcmReader(SNDFILE *file, const SF_INFO &info)
    : file_(file)
    , channels_(std::size_t(info.channels))
{
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_16:
        break;
    default:
        wide_ = true;
    }
}

std::size_t PcmReader::read(std::vector<std::int16_t> &out, std::size_t frames)
{
    std::size_t done = 0;
    while (done < frames) {
        const sf_count_t want = sf_count_t(frames - done);
        sf_count_t got;
        if (wide_) {
            buffer_.resize(frames * channels_);
            got = sf_readf_double(file_, buffer_.data(), want);
            for (std::size_t i = 0; i < std::size_t(got) * channels_; ++i)
                out[done * channels_ + i] = toPcm16(buffer_[i]);
        } else {
            got = sf_readf_short(file_, out.data() + done * channels_, want);
        }
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    return done;
}

} // namespace wsstool
