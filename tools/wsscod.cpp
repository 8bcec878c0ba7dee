// WSSCod.exe NAME...: codes each WAV file NAME into NAME with its extension replaced by ".wss".

#include "failure.h"
#include "input_file.h"
#include "output_file.h"
#include "sndfile_io.h"
#include "tool_run.h"
#include "wav_reader.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <vector>

namespace fs = std::filesystem;
using namespace wsstool;

namespace {

OutputFile encode(const fs::path &inPath, const fs::path &outPath, RunContext &run)
{
    InputFile in(inPath);
    if (in.isEmptyRegularFile())
        fail(kExitInput, quote(inPath) + " is not a WAV file (it is empty)");
    SF_INFO info{};
    Sndfile wav(sf_open_fd(in.fd(), SFM_READ, &info, SF_FALSE));
    if (!wav) {
        const int err = sf_error(nullptr);
        if (err == SF_ERR_UNRECOGNISED_FORMAT)
            fail(kExitInput, quote(inPath) + " is not a WAV file");
        fail(kExitInput, "cannot read " + quote(inPath) + ": " + sf_error_number(err));
    }
    if (!isWavFamily(info.format))
        fail(kExitInput, quote(inPath) + " is not a WAV file");
    if (info.channels < 1 || unsigned(info.channels) > wss::kMaxChannels)
        fail(kExitInput,
            "unsupported layout in " + quote(inPath) + ": " + std::to_string(info.channels) + " channels (at most 8)");
    if (info.samplerate < 1)
        fail(kExitInput, "unsupported layout in " + quote(inPath) + ": sample rate " + std::to_string(info.samplerate));

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
        fail(kExitInput, "cannot read " + quote(inPath) + ": " + sf_strerror(wav.get()));
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
    const ToolInfo tool{"WSSCod.exe", "WAV", ".wss", "encode",
        "Encodes each WAV file FILE as WSS, written beside it with the extension \".wss\".", encode};
    return runTool(tool, argc, argv);
}
