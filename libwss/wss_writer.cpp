#include "wss_writer.h"

#include "block_coder.h"
#include "block_layout.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>

#include <unistd.h>

namespace wsslib {

namespace {

// Blocks coded at a time, as the reader decodes them.
constexpr std::size_t kChunkBlocks = 64;

} // namespace

Writer::Writer(std::string path, std::uint32_t sampleRate, unsigned channels)
    : path_(std::move(path))
{
    header_.sampleRate = sampleRate;
    header_.channels = std::uint16_t(channels);
}

Writer::~Writer()
{
    if (file_) {
        std::fclose(file_);
        std::remove(tempPath_.c_str());
    }
}

Failure Writer::writeFailure() const
{
    return {WSS_ERROR_IO, "could not write " + path_ + ": " + std::strerror(errno)};
}

Failure Writer::open()
{
    if (header_.channels < 1 || header_.channels > wss::kMaxChannels)
        return {WSS_ERROR_INVALID, "a WSS file holds 1 to 8 channels, not " + std::to_string(header_.channels)};
    if (header_.sampleRate < 1 || header_.sampleRate > wss::kMaxSampleRate)
        return {
            WSS_ERROR_INVALID, "the sample rate must be 1 to 2147483647, not " + std::to_string(header_.sampleRate)};
    // A name of its own beside the target, made with the permissions a new file gets (mkstemp's
    // would be 0600 whatever the umask).
    std::random_device random;
    int fd = -1;
    std::string name;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        name = path_ + "." + std::to_string(random() % 1000000) + ".part";
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return writeFailure();
    tempPath_ = name;
    file_ = fdopen(fd, "wb");
    if (!file_) {
        Failure f = writeFailure();
        ::close(fd);
        std::remove(tempPath_.c_str());
        return f;
    }
    // The header is written again at the end, with the frame count.
    const auto header = wss::serializeHeader(header_);
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size())
        return failed_ = writeFailure();
    return {};
}

Failure Writer::codeBlocks(std::size_t frames)
{
    const unsigned C = header_.channels;
    const std::size_t B = header_.blockFrames, full = frames / B, rest = frames % B;
    const std::size_t fullBytes = wss::blockBytes(C, B);
    coded_.resize(full * fullBytes + (rest > 0 ? wss::blockBytes(C, rest) : 0));
    const wss::Kernel kernel = wss::bestKernel();
    wss::encodeBlocks(C, B, full, pending_.data(), coded_.data(), kernel);
    if (rest > 0)
        wss::encodeBlocks(C, rest, 1, pending_.data() + full * B * C, coded_.data() + full * fullBytes, kernel);
    wss::chainBlockChecksums(coded_.data(), coded_.size(), fullBytes, chain_);
    if (std::fwrite(coded_.data(), 1, coded_.size(), file_) != coded_.size())
        return failed_ = writeFailure();
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(frames * C));
    return {};
}

Failure Writer::write(const std::int16_t *pcm, std::uint64_t frames)
{
    if (failed_)
        return failed_;
    const unsigned C = header_.channels;
    const std::size_t chunkFrames = kChunkBlocks * header_.blockFrames;
    const std::optional<std::uint64_t> size = wss::fileSize(wss::Header{header_.version, header_.coding,
        header_.sampleRate, header_.channels, header_.blockFrames, header_.frames + frames});
    if (!size || header_.frames + frames < header_.frames)
        return {WSS_ERROR_INVALID, "too many frames for one WSS file"};
    while (frames > 0) {
        const std::size_t n = std::size_t(std::min<std::uint64_t>(frames, chunkFrames - pending_.size() / C));
        pending_.insert(pending_.end(), pcm, pcm + n * C);
        pcm += n * C;
        frames -= n;
        header_.frames += n;
        if (pending_.size() / C == chunkFrames)
            if (Failure f = codeBlocks(chunkFrames))
                return f;
    }
    return {};
}

Failure Writer::finish()
{
    if (failed_)
        return failed_;
    if (!pending_.empty())
        if (Failure f = codeBlocks(pending_.size() / header_.channels))
            return f;
    const auto header = wss::serializeHeader(header_);
    if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(header.data(), 1, header.size(), file_) != header.size()
        || std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)
        return failed_ = writeFailure();
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0 || std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        failed_ = writeFailure();
        std::remove(tempPath_.c_str());
        return failed_;
    }
    return {};
}

} // namespace wsslib
