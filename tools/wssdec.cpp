// WSSdec.exe NAME...: decodes each WSS file NAME into a 16-bit WAV file, NAME with its extension
// replaced by ".wav".

#include "failure.h"
#include "i18n.h"
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

[[noreturn]] void notWss(const fs::path &p)
{
    /* TRANSLATORS: %s is the file's name, in quotes. */
    fail(kExitInput, format(_("%s is not a WSS file"), quote(p).c_str()));
}

wss::Header readHeader(InputFile &in, const fs::path &inPath)
{
    std::array<std::uint8_t, wss::kHeaderSize> bytes{};
    const std::size_t got = in.read(bytes.data(), bytes.size());
    if (got == 0)
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("%s is not a WSS file (it is empty)"), quote(inPath).c_str()));
    if (got < wss::kMagic.size() || !std::equal(wss::kMagic.begin(), wss::kMagic.end(), bytes.begin()))
        notWss(inPath);
    if (got < bytes.size())
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("damaged WSS file %s: the file ends inside the header"), quote(inPath).c_str()));

    wss::Header h;
    const wss::HeaderCheck check = wss::parseHeader(bytes, h);
    switch (check.status) {
    case wss::HeaderStatus::Ok:
        break;
    case wss::HeaderStatus::NotWss:
        notWss(inPath);
    case wss::HeaderStatus::Damaged:
        /* TRANSLATORS: the file's name, in quotes, and what is wrong with its header ("header
           checksum mismatch"). */
        fail(kExitInput, format(_("damaged WSS file %s: %s"), quote(inPath).c_str(), _(check.reason)));
    case wss::HeaderStatus::UnsupportedVersion:
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; its format version; the version this
               decoder reads. */
            format(_("unsupported WSS file %s: format version %u (this decoder reads version %u)"),
                quote(inPath).c_str(), unsigned(h.version), unsigned(wss::kFormatVersion)));
    case wss::HeaderStatus::UnsupportedCoding:
        /* TRANSLATORS: the file's name, in quotes, and the number of the coding it uses. */
        fail(kExitInput, format(_("unsupported WSS file %s: coding %u"), quote(inPath).c_str(), unsigned(h.coding)));
    case wss::HeaderStatus::UnsupportedLayout:
        /* TRANSLATORS: the file's name, in quotes, and what the tools do not take ("more than 8
           channels"). */
        fail(kExitInput, format(_("unsupported layout in %s: %s"), quote(inPath).c_str(), _(check.reason)));
    }
    return h;
}

// `name` is the file's name in quotes; `block` is 1-based.
[[noreturn]] void failDamagedBlock(
    const std::string &name, unsigned long long block, unsigned long long blocks, const wss::BlockCheck &broken)
{
    const unsigned channel = broken.channel + 1, value = broken.value;
    switch (broken.fault) {
    case wss::BlockFault::StepIndex:
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of the damaged block; the blocks
               the file holds; the channel (from 1); the step index it gives. */
            format(_("damaged WSS file %s: block %llu of %llu starts channel %u at step index %u (at most 88)"),
                name.c_str(), block, blocks, channel, value));
    case wss::BlockFault::ReservedByte:
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of the damaged block; the blocks
               the file holds; the channel (from 1); the value of its reserved byte. */
            format(_("damaged WSS file %s: block %llu of %llu has a reserved byte of %u in channel %u (must be 0)"),
                name.c_str(), block, blocks, value, channel));
    case wss::BlockFault::UnusedHalf:
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of the damaged block; the blocks
               the file holds; the channel (from 1). "Unused half": the 4 bits after the last code. */
            format(_("damaged WSS file %s: block %llu of %llu sets the unused half of the last code byte of channel %u "
                     "(must be 0)"),
                name.c_str(), block, blocks, channel));
    case wss::BlockFault::None:
        break;
    }
    /* TRANSLATORS: the file's name, in quotes; the number of the damaged block; the blocks the
       file holds. */
    fail(kExitInput,
        format(_("damaged WSS file %s: block %llu of %llu fails its checksum"), name.c_str(), block, blocks));
}

OutputFile decode(const fs::path &inPath, const fs::path &outPath, RunContext & /*run*/)
{
    InputFile in(inPath);
    const wss::Header header = readHeader(in, inPath);

    OutputFile out(outPath);
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
        /* TRANSLATORS: the output's name, in quotes, and libsndfile's reason, in English. */
        fail(kExitOutput, format(_("cannot write %s: %s"), quote(outPath).c_str(), sndfileMessage));
    };
    if (!wav)
        writeFailed(sf_strerror(nullptr));

    const auto blocks = (unsigned long long)wss::blockCount(header);
    const wss::DecodeResult result = wss::decodeStream(
        header, [&](std::uint8_t *bytes, std::size_t n) { return in.read(bytes, n); },
        [&](const std::int16_t *pcm, std::size_t frames) {
            if (sf_writef_short(wav.get(), pcm, sf_count_t(frames)) != sf_count_t(frames))
                writeFailed(sf_strerror(wav.get()));
        },
        wss::optionsFromEnvironment());
    const std::string name = quote(inPath);
    const auto block = (unsigned long long)result.block + 1;
    if (result.status == wss::DecodeResult::Truncated)
        fail(kExitInput,
            /* TRANSLATORS: the file's name, in quotes; the number of the block it ends in; the
               blocks it should hold. */
            format(_("damaged WSS file %s: the file ends inside block %llu of %llu"), name.c_str(), block, blocks));
    if (result.status == wss::DecodeResult::Damaged)
        failDamagedBlock(name, block, blocks, result.broken);
    std::uint8_t extra;
    if (in.read(&extra, 1) != 0)
        /* TRANSLATORS: %s is the file's name, in quotes. */
        fail(kExitInput, format(_("damaged WSS file %s: data after the last block"), name.c_str()));
    if (const int err = sf_close(wav.release()); err != 0)
        writeFailed(sf_error_number(err));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    setUpTranslations();
    const ToolInfo tool{"WSSdec.exe", Direction::Decode, ".wav", decode};
    return runTool(tool, argc, argv);
}
