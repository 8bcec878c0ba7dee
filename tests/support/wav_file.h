#pragma once

// The 16-bit WAV files the tests convert, written with libsndfile.

#include <QFile>
#include <QString>

#include <sndfile.h>

#include <cstdint>
#include <vector>

namespace wav_file {

// A 16-bit PCM WAV file made at `path`, to write frames to; null if it cannot be made.
inline SNDFILE *create(const QString &path, int channels, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    return sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
}

// `pcm`, interleaved frames, as a 16-bit WAV file.
inline bool write(const QString &path, int channels, int rate, const std::vector<std::int16_t> &pcm)
{
    SNDFILE *f = create(path, channels, rate);
    if (!f)
        return false;
    const sf_count_t frames = sf_count_t(pcm.size()) / channels;
    const bool ok = sf_writef_short(f, pcm.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

} // namespace wav_file
