// WSSCod.exe NAME...: codes each WAV file NAME into NAME with its extension replaced by ".wss".

#include "failure.h"
#include "i18n.h"
#include "input_file.h"
#include "output_file.h"
#include "sndfile_io.h"
#include "tool_run.h"
#include "wav_layout.h"
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

// Opens the WAV file for libsndfile: as it is, or, when its data chunk gives no length, through
// `patched`, as if it gave the length the file holds (which libsndfile would read as no sound).
Sndfile openWav(
    const InputFile &in, const fs::path &inPath, const WavLayout &layout, PatchedFile &patched, SF_INFO &info)
{
    SNDFILE *wav = nullptr;
    if (layout.lengthMissing()) {
        constexpr std::uint64_t kMost = 0xFFFFFFFEu; // as much as a 32-bit length can say
        patched = {in.fd(), layout.fileSize, layout.kind == WavLayout::Rifx,
            {{layout.lengthAt, std::uint32_t(std::min(layout.held(), kMost))},
                {4, std::uint32_t(std::min(layout.fileSize - 8, kMost))}}};
        wav = openSndfileReading(patched, info);
    } else {
        wav = sf_open_fd(in.fd(), SFM_READ, &info, SF_FALSE);
    }
    if (!wav) {
        const int err = sf_error(nullptr);
        if (err == SF_ERR_UNRECOGNISED_FORMAT)
            notWav(inPath);
        failUnreadable(inPath, layout, sf_error_number(err));
    }
    return Sndfile(wav);
}

// Says on the error output, in one line with both lengths, when the sound is not what the WAV
// header says: no length given, less than it says, or a last frame cut short. Converted anyway.
void noteLength(const RunContext &run, const fs::path &p, const WavLayout &layout)
{
    const std::string name = quote(p);
    const auto held = (unsigned long long)layout.held();
    const unsigned frame = layout.frameBytes();
    if (layout.lengthMissing())
        report(run.toolName,
            /* TRANSLATORS: the file's name, in quotes, and the bytes of sound it holds. */
            format(_("%s does not give the length of its sound; read it to the end of the file: %llu bytes"),
                name.c_str(), held));
    else if (layout.dataChunks > 0 && layout.declared > held)
        report(run.toolName,
            /* TRANSLATORS: the file's name, in quotes; the length its header gives; the bytes it
               holds. */
            format(_("%s is cut short: its sound should be %llu bytes long but the file holds %llu; converted those"),
                name.c_str(), (unsigned long long)layout.declared, held));
    else if (frame > 0 && held % frame != 0)
        report(run.toolName,
            /* TRANSLATORS: the file's name, in quotes; the bytes of sound it holds; the bytes that
               make whole frames, which were converted. */
            format(_("%s ends inside a frame: of its %llu bytes of sound, converted the %llu that make whole frames"),
                name.c_str(), held, held - held % frame));
}

OutputFile encode(const fs::path &inPath, const fs::path &outPath, RunContext &run)
{
    InputFile in(inPath);
    if (in.isEmptyRegularFile())
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("%s is not a WAV file (it is empty)"), quote(inPath).c_str()));
    const WavLayout layout = readWavLayout(in.fd());
    PatchedFile patched{-1, 0, false, {}, 0};
    SF_INFO info{};
    Sndfile wav = openWav(in, inPath, layout, patched, info);
    if (!isWavFamily(info.format))
        notWav(inPath);
    if (info.channels < 1 || unsigned(info.channels) > wss::kMaxChannels)
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of channels it has; the most the
               tools take. */
            format(translatePlural("unsupported layout in %s: %d channel (at most %u)",
                       "unsupported layout in %s: %d channels (at most %u)", (unsigned long)std::max(info.channels, 0)),
                quote(inPath).c_str(), info.channels, wss::kMaxChannels));
    if (info.samplerate < 1)
        /* TRANSLATORS: the file's name, in quotes, and the sample rate it claims. */
        fail(kExitInput, format(_("unsupported layout in %s: sample rate %d"), quote(inPath).c_str(), info.samplerate));

    wss::Header header;
    header.sampleRate = std::uint32_t(info.samplerate);
    header.channels = std::uint16_t(info.channels);
    header.frames = info.frames > 0 ? std::uint64_t(info.frames) : 0;

    OutputFile out(outPath);
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
    noteLength(run, inPath, layout);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    setUpTranslations();
    const ToolInfo tool{"WSSCod.exe", Direction::Encode, ".wss", encode};
    return runTool(tool, argc, argv);
}
