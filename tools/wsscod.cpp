// WSSCod.exe NAME...: codes each WAV file NAME into NAME with its extension replaced by ".wss".

#include "tool_support.h"
#include "wss_format.h"
#include "wss_stream.h"

#include <cmath>
#include <vector>

namespace fs = std::filesystem;
using namespace wsstool;

namespace {

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

// Full scale (-1.0 .. 1.0) to 16 bits, rounded to nearest; out-of-range values are clipped.
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

// Reads frames in the WAV's own sample format and hands them on as 16-bit samples. Formats of up
// to 16 bits are read as 16-bit directly, which is exact; wider ones and floats are read as
// doubles and rounded here, so clipping and rounding are ours and not libsndfile's defaults.
class PcmReader
{
public:
    PcmReader(SNDFILE *file, const SF_INFO &info)
        : file_(file)
        , channels_(info.channels)
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

    // Fills `out` with up to `frames` frames; fewer only at the end of the sound.
    std::size_t read(std::vector<std::int16_t> &out, std::size_t frames)
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

private:
    SNDFILE *file_;
    std::size_t channels_;
    bool wide_ = false;
    std::vector<double> buffer_;
};

void encode(const fs::path &inPath, const fs::path &outPath)
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
        fail(kExitInput, "cannot read " + quote(inPath) + ": " + sf_strerror(wav.get()));
    // The WAV header's length is only a promise; the file says what it holds.
    if (frames != header.frames) {
        header.frames = frames;
        out.writeAt(0, wss::serializeHeader(header).data(), wss::kHeaderSize);
    }
    out.commit();
}

} // namespace

int main(int argc, char **argv)
{
    const ToolInfo tool{"WSSCod.exe", "WAV", ".wss", "encode",
        "Encodes each WAV file FILE as WSS, written beside it with the extension \".wss\".", encode};
    return runTool(tool, argc, argv);
}
