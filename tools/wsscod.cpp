// WSSCod.exe NAME...: codes each WAV file NAME into NAME with its extension replaced by ".wss".

#include "failure.h"
#include "i18n.h"
#include "input_file.h"
#include "output_file.h"
#include "sndfile_io.h"
#include "tool_run.h"
#include "wav_input.h"
#include "wav_layout.h"
#include "wav_reader.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <algorithm>
#include <clocale>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace wsstool;

namespace {

// A length of sound as the clock shows it: "0:00.300", "6:59:25.845".
std::string durationText(std::uint64_t frames, std::uint32_t sampleRate)
{
    const std::uint64_t ms = sampleRate == 0 ? 0 : (frames * 1000 + sampleRate / 2) / sampleRate;
    const auto seconds = (unsigned long long)(ms / 1000), h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const char *point = std::localeconv()->decimal_point;
    const auto thousandths = unsigned(ms % 1000);
    return h > 0 ? format("%llu:%02llu:%02llu%s%03u", h, m, s, point, thousandths)
                 : format("%llu:%02llu%s%03u", m, s, point, thousandths);
}

// Says on the error output, in one line, when the sound is not what the WAV header says: no
// length given, less than it says, or a last frame cut short; with what was converted, in frames
// and in time, and the bytes of an incomplete last frame, which were left out.
void noteLength(
    const RunContext &run, const fs::path &p, const WavLayout &layout, std::uint64_t frames, std::uint32_t sampleRate)
{
    const std::string name = quote(p), time = durationText(frames, sampleRate);
    const auto held = (unsigned long long)layout.held(), converted = (unsigned long long)frames;
    const auto n = (unsigned long)frames; // for the plural
    const unsigned frame = layout.frameBytes(), left = frame > 0 ? unsigned(held % frame) : 0;
    std::string text;
    if (layout.lengthMissing() && left == 0)
        text = format(
            /* TRANSLATORS: the file's name, in quotes; the bytes of sound it holds; the frames they
               make (a frame: one sample of each channel), all converted; how long they last. */
            ngettext("%s does not give the length of its sound; read it to the end of the file: %llu bytes, %llu frame "
                     "(%s)",
                "%s does not give the length of its sound; read it to the end of the file: %llu bytes, %llu frames "
                "(%s)",
                n),
            name.c_str(), held, converted, time.c_str());
    else if (layout.lengthMissing())
        text = format(
            /* TRANSLATORS: the file's name, in quotes; the bytes of sound it holds; the frames
               converted (a frame: one sample of each channel); how long they last; the bytes left
               over at the end, and the bytes a whole frame takes. */
            ngettext("%s does not give the length of its sound; read it to the end of the file: %llu bytes; converted "
                     "%llu frame (%s) and left out an incomplete last frame (%u of %u bytes)",
                "%s does not give the length of its sound; read it to the end of the file: %llu bytes; converted %llu "
                "frames (%s) and left out an incomplete last frame (%u of %u bytes)",
                n),
            name.c_str(), held, converted, time.c_str(), left, frame);
    else if (layout.dataChunks > 0 && layout.declared > held && left == 0)
        text = format(
            /* TRANSLATORS: the file's name, in quotes; the length its header gives; the bytes it
               holds; the frames they make (a frame: one sample of each channel), all converted; how
               long they last. */
            ngettext("%s is cut short: its sound should be %llu bytes long but the file holds %llu; converted those, "
                     "%llu frame (%s)",
                "%s is cut short: its sound should be %llu bytes long but the file holds %llu; converted those, %llu "
                "frames (%s)",
                n),
            name.c_str(), (unsigned long long)layout.declared, held, converted, time.c_str());
    else if (layout.dataChunks > 0 && layout.declared > held)
        text = format(
            /* TRANSLATORS: the file's name, in quotes; the length its header gives; the bytes it
               holds; the frames converted (a frame: one sample of each channel); how long they
               last; the bytes left over at the end, and the bytes a whole frame takes. */
            ngettext("%s is cut short: its sound should be %llu bytes long but the file holds %llu; converted %llu "
                     "frame (%s) and left out an incomplete last frame (%u of %u bytes)",
                "%s is cut short: its sound should be %llu bytes long but the file holds %llu; converted %llu frames "
                "(%s) and left out an incomplete last frame (%u of %u bytes)",
                n),
            name.c_str(), (unsigned long long)layout.declared, held, converted, time.c_str(), left, frame);
    else if (left > 0)
        text = format(
            /* TRANSLATORS: the file's name, in quotes; the bytes of sound it holds; the frames
               converted (a frame: one sample of each channel); how long they last; the bytes left
               over at the end, and the bytes a whole frame takes. */
            ngettext("%s ends inside a frame: of its %llu bytes of sound, converted %llu frame (%s) and left out an "
                     "incomplete last frame (%u of %u bytes)",
                "%s ends inside a frame: of its %llu bytes of sound, converted %llu frames (%s) and left out an "
                "incomplete last frame (%u of %u bytes)",
                n),
            name.c_str(), held, converted, time.c_str(), left, frame);
    if (!text.empty())
        report(run.toolName, text);
}

// Fails when the file got shorter while it was read (`frames` of the `expected` came): the sound
// converted is not the file's, and the next reader would find another.
void refuseShrunk(
    const InputFile &in, const fs::path &p, const WavLayout &layout, std::uint64_t frames, std::uint64_t expected)
{
    struct stat st
    {
    };
    if (frames >= expected || ::fstat(in.fd(), &st) != 0 || std::uint64_t(st.st_size) >= layout.fileSize)
        return;
    fail(kExitInput,
        /* TRANSLATORS: the file's name, in quotes; its length when the tool began to read it, and
           its length now, in bytes. */
        format(_("%s got shorter while it was read, from %llu to %llu bytes; not converted"), quote(p).c_str(),
            (unsigned long long)layout.fileSize, (unsigned long long)st.st_size));
}

OutputFile encode(const fs::path &inPath, const fs::path &outPath, RunContext &run)
{
    InputFile in(inPath);
    if (in.isEmptyRegularFile())
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("%s is not a WAV file (it is empty)"), quote(inPath).c_str()));
    const WavLayout layout = readWavLayout(in.fd());
    SplicedFile spliced;
    SF_INFO info{};
    Sndfile wav = openWav(in.fd(), inPath, layout, spliced, info);
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
    refuseShrunk(in, inPath, layout, frames, header.frames);
    if (sf_error(wav.get()) != SF_ERR_NO_ERROR)
        failReading(inPath, sf_strerror(wav.get()));
    // The WAV header's length is only a promise; the file says what it holds.
    if (frames != header.frames) {
        header.frames = frames;
        out.writeAt(0, wss::serializeHeader(header).data(), wss::kHeaderSize);
    }
    noteLength(run, inPath, layout, frames, header.sampleRate);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    setUpTranslations();
    const ToolInfo tool{"WSSCod.exe", Direction::Encode, ".wss", encode};
    return runTool(tool, argc, argv);
}
