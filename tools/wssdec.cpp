// WSSdec.exe NAME...: decodes each WSS file NAME into a 16-bit WAV file, NAME with its extension
// replaced by ".wav".

#include "failure.h"
#include "input_file.h"
#include "output_file.h"
#include "sndfile_io.h"
#include "tool_run.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <array>
#include <vector>

namespace fs = std::filesystem;
using namespace wsstool;

namespace {

std::string damaged(const fs::path &p, const std::string &why)
{
    return "damaged WSS file " + quote(p) + ": " + why;
}

wss::Header readHeader(InputFile &in, const fs::path &inPath)
{
    std::array<std::uint8_t, wss::kHeaderSize> bytes{};
    const std::size_t got = in.read(bytes.data(), bytes.size());
    if (got == 0)
        fail(kExitInput, quote(inPath) + " is not a WSS file (it is empty)");
    if (got < wss::kMagic.size() || !std::equal(wss::kMagic.begin(), wss::kMagic.end(), bytes.begin()))
        fail(kExitInput, quote(inPath) + " is not a WSS file");
    if (got < bytes.size())
        fail(kExitInput, damaged(inPath, "the file ends inside the header"));

    wss::Header h;
    const wss::HeaderCheck check = wss::parseHeader(bytes, h);
    switch (check.status) {
    case wss::HeaderStatus::Ok:
        break;
    case wss::HeaderStatus::NotWss:
        fail(kExitInput, quote(inPath) + " is not a WSS file");
    case wss::HeaderStatus::Damaged:
        fail(kExitInput, damaged(inPath, check.reason));
    case wss::HeaderStatus::UnsupportedVersion:
        fail(kExitInput,
            "unsupported WSS file " + quote(inPath) + ": format version " + std::to_string(h.version)
                + " (this decoder reads version 1)");
    case wss::HeaderStatus::UnsupportedCoding:
        fail(kExitInput, "unsupported WSS file " + quote(inPath) + ": coding " + std::to_string(h.coding));
    case wss::HeaderStatus::UnsupportedLayout:
        fail(kExitInput, "unsupported layout in " + quote(inPath) + ": " + check.reason);
    }
    return h;
}

OutputFile decode(const fs::path &inPath, const fs::path &outPath, RunContext &run)
{
    InputFile in(inPath);
    const wss::Header header = readHeader(in, inPath);

    OutputFile out(outPath, run);
    SF_INFO info{};
    info.samplerate = int(header.sampleRate);
    info.channels = header.channels;
    // Plain WAV holds up to 4 GiB of data; past that, its 64-bit variant RF64.
    const bool big = header.frames > 0xFFFF0000u / (2u * header.channels);
    info.format = (big ? SF_FORMAT_RF64 : SF_FORMAT_WAV) | SF_FORMAT_PCM_16;
    Sndfile wav(openSndfile(out, info));
    // A failed write() is the better explanation; libsndfile's own message comes second.
    auto writeFailed = [&](const char *sndfileMessage) {
        out.check();
        fail(kExitOutput, "cannot write " + quote(outPath) + ": " + sndfileMessage);
    };
    if (!wav)
        writeFailed(sf_strerror(nullptr));

    const std::uint64_t blocks = wss::blockCount(header);
    auto where = [&](std::uint64_t b) { return "block " + std::to_string(b + 1) + " of " + std::to_string(blocks); };
    const wss::DecodeResult result = wss::decodeStream(
        header, [&](std::uint8_t *bytes, std::size_t n) { return in.read(bytes, n); },
        [&](const std::int16_t *pcm, std::size_t frames) {
            if (sf_writef_short(wav.get(), pcm, sf_count_t(frames)) != sf_count_t(frames))
                writeFailed(sf_strerror(wav.get()));
        },
        wss::optionsFromEnvironment());
    if (result.status == wss::DecodeResult::Truncated)
        fail(kExitInput, damaged(inPath, "the file ends inside " + where(result.block)));
    if (result.status == wss::DecodeResult::Damaged)
        fail(kExitInput, damaged(inPath, where(result.block) + " fails its checksum"));
    std::uint8_t extra;
    if (in.read(&extra, 1) != 0)
        fail(kExitInput, damaged(inPath, "data after the last block"));
    if (const int err = sf_close(wav.release()); err != 0)
        writeFailed(sf_error_number(err));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    const ToolInfo tool{"WSSdec.exe", "WSS", ".wav", "decode",
        "Decodes each WSS file FILE into a 16-bit WAV file, written beside it with the extension \".wav\".", decode};
    return runTool(tool, argc, argv);
}
