// WSSCod.exe NAME...: codes each WAV file NAME into NAME with its extension replaced by ".wss".

#include "failure.h"
#include "i18n.h"
#include "input_file.h"
#include "output_file.h"
#include "sndfile_io.h"
#include "tool_run.h"
#include "wav_reader.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;
using namespace wsstool;

namespace {

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

OutputFile encode(const fs::path &inPath, const fs::path &outPath, RunContext &run)
{
    InputFile in(inPath);
    if (in.isEmptyRegularFile())
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("%s is not a WAV file (it is empty)"), quote(inPath).c_str()));
    SF_INFO info{};
    Sndfile wav(sf_open_fd(in.fd(), SFM_READ, &info, SF_FALSE));
    if (!wav) {
        const int err = sf_error(nullptr);
        if (err == SF_ERR_UNRECOGNISED_FORMAT)
            notWav(inPath);
        failReading(inPath, sf_error_number(err));
    }
    if (!isWavFamily(info.format))
        notWav(inPath);
    if (info.channels < 1 || unsigned(info.channels) > wss::kMaxChannels)
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of channels it has; the most the
               tools take. */
            format(ngettext("unsupported layout in %s: %d channel (at most %u)",
                       "unsupported layout in %s: %d channels (at most %u)", (unsigned long)std::max(info.channels, 0)),
                quote(inPath).c_str(), info.channels, wss::kMaxChannels));
    if (info.samplerate < 1)
        /* TRANSLATORS: the file's name, in quotes, and the sample rate it claims. */
        fail(kExitInput, format(_("unsupported layout in %s: sample rate %d"), quote(inPath).c_str(), info.samplerate));

    wss::Header header;
    header.sampleRate = std::uint32_t(info.samplerate);
    header.channels = std::uint16_t(info.channels);
    header.frames = info.frames > 0 ? std::uint64_t(info.frames) : 0;

    OutputFile out(outPath, run);
    out.write(wss::serializeHeader(header).data(), wss::kHeaderSize);

    PcmReader reader(wav.get(), info);
    const std::uint64_t frames = wss::encodeStream(
        header.channels, header.blockFrames, header.frames,
        [&](std::vector<std::int16_t> &pcm, std::size_t n) { return reader.read(pcm, n); },
        [&](const std::uint8_t *bytes, std::size_t n) {
            out.write(bytes, n);
            out.check();
        },
        wss::optionsFromEnvironment());
    if (sf_error(wav.get()) != SF_ERR_NO_ERROR)
        failReading(inPath, sf_strerror(wav.get()));
    // The WAV header's length is only a promise; the file says what it holds.
    if (frames != header.frames) {
        header.frames = frames;
        out.writeAt(0, wss::serializeHeader(header).data(), wss::kHeaderSize);
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    setUpTranslations();
    const ToolInfo tool{"WSSCod.exe", Direction::Encode, ".wss", encode};
    return runTool(tool, argc, argv);
}
