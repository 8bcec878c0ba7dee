// Opening a WAV input for libsndfile, with the encoder's messages for what it refuses.

#include "wav_input.h"

#include "failure.h"
#include "i18n.h"
#include "wss_header.h"

namespace fs = std::filesystem;

namespace wsstool {

namespace {

// libsndfile refused the file: say what is wrong with it where its chunks show it, else give
// libsndfile's reason (`why`).
[[noreturn]] void failUnreadable(const fs::path &p, const WavLayout &layout, const char *why)
{
    const std::string name = quote(p);
    if (layout.dataChunks > 1)
        /* TRANSLATORS: %s is the file's name, in quotes; "data chunk": the part of a WAV file that
           holds its sound. */
        fail(kExitInput, format(_("damaged WAV file %s: more than one data chunk"), name.c_str()));
    if (layout.hasFormat && layout.sampleRate == 0)
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("damaged WAV file %s: its sample rate is 0"), name.c_str()));
    if (layout.hasFormat && layout.sampleRate > wss::kMaxSampleRate)
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the sample rate it gives; the highest the
               tools take. */
            format(_("unsupported layout in %s: sample rate %lu (at most %lu)"), name.c_str(),
                (unsigned long)layout.sampleRate, (unsigned long)wss::kMaxSampleRate));
    if (layout.hasFormat && layout.channels == 0)
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("damaged WAV file %s: it has no channels"), name.c_str()));
    failReading(p, why);
}

// Refuses a WAV file whose sound comes before the fmt chunk that says how to read it.
void refuseDataFirst(const fs::path &p, const WavLayout &layout)
{
    if (!layout.dataBeforeFormat)
        return;
    const std::string name = quote(p);
    if (layout.hasFormat)
        /* TRANSLATORS: %s is the file's name, in quotes; "data chunk" and "fmt chunk": the parts of
           a WAV file that hold its sound and say how to read it. */
        fail(kExitInput, format(_("damaged WAV file %s: its data chunk comes before its fmt chunk"), name.c_str()));
    /* TRANSLATORS: %s is the file's name, in quotes; "data chunk" and "fmt chunk": the parts of a
       WAV file that hold its sound and say how to read it. */
    fail(kExitInput, format(_("damaged WAV file %s: no fmt chunk before its data chunk"), name.c_str()));
}

} // namespace

[[noreturn]] void notWav(const fs::path &p)
{
    /* TRANSLATORS: %s is the file's name, in quotes. */
    fail(kExitInput, format(_("%s is not a WAV file"), quote(p).c_str()));
}

// `why` is libsndfile's message, in English.
[[noreturn]] void failReading(const fs::path &p, const char *why)
{
    /* TRANSLATORS: the file's name, in quotes, and the reason. */
    fail(kExitInput, format(_("cannot read %s: %s"), quote(p).c_str(), why));
}

// Opens the WAV file for libsndfile: as it is, or, where libsndfile would read it wrong (a data
// chunk that gives no length, which it reads as no sound or, past 4 GiB, cuts at 4 GiB; a chunk
// without its pad byte, after which it finds no data chunk), through `spliced`: a plain WAV head
// of the length the file holds, followed by the file's sound.
Sndfile openWav(int fd, const fs::path &inPath, const WavLayout &layout, SplicedFile &spliced, SF_INFO &info)
{
    refuseDataFirst(inPath, layout);
    SNDFILE *wav = nullptr;
    if (layout.hasFormat && layout.dataChunks > 0 && (layout.lengthMissing() || layout.padMissing)) {
        spliced = {fd, plainWavHead(layout), layout.dataOffset, layout.held(), 0};
        if (spliced.head.empty())
            fail(kExitInput,
                /* TRANSLATORS: %s is the file's name, in quotes. RIFX: the big-endian kind of WAV
                   file; RF64: the kind that can hold more than 4 GiB. */
                format(_("%s is a big-endian WAV file (RIFX) with more than 4 GiB of sound: such a file can only be "
                         "RF64, which is little-endian; not converted"),
                    quote(inPath).c_str()));
        wav = openSndfileReading(spliced, info);
    } else {
        wav = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    }
    if (!wav) {
        const int err = sf_error(nullptr);
        if (err == SF_ERR_UNRECOGNISED_FORMAT)
            notWav(inPath);
        failUnreadable(inPath, layout, sf_error_number(err));
    }
    return Sndfile(wav);
}

} // namespace wsstool
