#include "wss_reader.h"

#include "block_coder.h"
#include "block_layout.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <span>
#include <string>

namespace wsslib {

namespace {

// Blocks decoded at a time: about 64 Ki frames, so a read call seldom waits on a tiny piece and
// memory stays near a megabyte at 8 channels.
std::size_t chunkBlocks(std::size_t blockFrames)
{
    return std::max<std::size_t>(1, 65536 / blockFrames);
}

std::uint32_t get32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::string ruleBroken(const wss::BlockCheck &check)
{
    const std::string channel = std::to_string(check.channel + 1);
    switch (check.fault) {
    case wss::BlockFault::StepIndex:
        return "starts channel " + channel + " at step index " + std::to_string(check.value) + " (at most 88)";
    case wss::BlockFault::ReservedByte:
        return "has a reserved byte that is not 0 in channel " + channel;
    case wss::BlockFault::UnusedHalf:
        return "has unused code bits that are not 0 in channel " + channel;
    case wss::BlockFault::None:
        break;
    }
    return "fails its checksum";
}

} // namespace

Reader::Reader(std::unique_ptr<FileInput> input)
    : input_(std::move(input))
{ }

Failure Reader::open()
{
    std::array<std::uint8_t, wss::kHeaderSize> bytes{};
    const std::int64_t got = input_->readAt(0, bytes.data(), bytes.size());
    if (got < 0)
        return readFailure();
    if (got == 0)
        return {WSS_ERROR_NOT_WSS, "not a WSS file (it is empty)"};
    if (std::size_t(got) < wss::kMagic.size() || !std::equal(wss::kMagic.begin(), wss::kMagic.end(), bytes.begin()))
        return {WSS_ERROR_NOT_WSS, "not a WSS file"};
    if (std::size_t(got) < bytes.size())
        return {WSS_ERROR_TRUNCATED, "damaged WSS file: the file ends inside the header"};
    const wss::HeaderCheck check = wss::parseHeader(bytes, header_);
    switch (check.status) {
    case wss::HeaderStatus::Ok:
        break;
    case wss::HeaderStatus::NotWss:
        return {WSS_ERROR_NOT_WSS, "not a WSS file"};
    case wss::HeaderStatus::Damaged:
        return {WSS_ERROR_DAMAGED, std::string("damaged WSS file: ") + check.reason};
    case wss::HeaderStatus::UnsupportedVersion:
    case wss::HeaderStatus::UnsupportedCoding:
    case wss::HeaderStatus::UnsupportedLayout:
        return {WSS_ERROR_UNSUPPORTED, std::string("unsupported WSS file: ") + check.reason};
    }
    blocks_ = wss::blockCount(header_);
    badBlock_ = blocks_;
    chains_.assign(1, wss::Crc32Chain{});
    if (blocks_ == 0) {
        std::uint8_t extra = 0;
        if (input_->readAt(wss::kHeaderSize, &extra, 1) > 0)
            return {WSS_ERROR_DAMAGED, "damaged WSS file: data after the last block"};
    }
    return {};
}

std::uint64_t Reader::blockOffset(std::uint64_t block) const
{
    // Every block but the last is whole, and the header's frame count keeps the file size within 63 bits.
    return wss::kHeaderSize + block * wss::blockBytes(header_.channels, header_.blockFrames);
}

Failure Reader::damaged(std::uint64_t block, const char *what) const
{
    return {WSS_ERROR_DAMAGED,
        "damaged WSS file: block " + std::to_string(block + 1) + " of " + std::to_string(blocks_) + " " + what};
}

Failure Reader::readFailure() const
{
    return {WSS_ERROR_IO, std::string("could not read the WSS file: ") + std::strerror(errno)};
}

Failure Reader::chainBlock(std::uint64_t block, const std::uint8_t *bytes, std::uint32_t bodyCrc)
{
    const std::size_t body
        = wss::blockBytes(header_.channels, wss::framesInBlock(header_, block)) - wss::kChecksumBytes;
    wss::Crc32Chain chain = chains_[block];
    chain.append(bodyCrc, body);
    if (chain.value() != get32(bytes + body))
        return damaged(block, "fails its checksum");
    if (chains_.size() == block + 1)
        chains_.push_back(chain);
    return {};
}

Failure Reader::verifyUpTo(std::uint64_t block)
{
    const unsigned C = header_.channels;
    while (chains_.size() - 1 < block) {
        const std::uint64_t first = chains_.size() - 1;
        if (first >= badBlock_)
            return bad_;
        const std::size_t count = std::size_t(std::min<std::uint64_t>(chunkBlocks(header_.blockFrames), block - first));
        std::size_t want = 0;
        for (std::size_t b = 0; b < count; ++b)
            want += wss::blockBytes(C, wss::framesInBlock(header_, first + b));
        coded_.resize(want);
        const std::int64_t got = input_->readAt(blockOffset(first), coded_.data(), want);
        if (got < 0)
            return readFailure();
        std::size_t at = 0;
        for (std::size_t b = 0; b < count; ++b) {
            const std::size_t size = wss::blockBytes(C, wss::framesInBlock(header_, first + b));
            if (at + size > std::size_t(got)) {
                badBlock_ = first + b;
                bad_ = {WSS_ERROR_TRUNCATED,
                    "damaged WSS file: the file ends inside block " + std::to_string(badBlock_ + 1) + " of "
                        + std::to_string(blocks_)};
                return bad_;
            }
            const std::size_t body = size - wss::kChecksumBytes;
            if (Failure f
                = chainBlock(first + b, coded_.data() + at, wss::Crc32::of(std::span(coded_.data() + at, body)))) {
                badBlock_ = first + b;
                bad_ = f;
                return bad_;
            }
            at += size;
        }
    }
    return {};
}

Failure Reader::decodeChunkAt(std::uint64_t block)
{
    chunkBlocks_ = 0;
    if (Failure f = verifyUpTo(block))
        return f;
    const unsigned C = header_.channels;
    const std::size_t B = header_.blockFrames, fullBytes = wss::blockBytes(C, B);
    const std::size_t count = std::size_t(std::min<std::uint64_t>(chunkBlocks(B), badBlock_ - block));
    const bool endsShort = block + count == blocks_ && header_.frames % B != 0;
    const std::size_t want
        = (count - endsShort) * fullBytes + (endsShort ? wss::blockBytes(C, std::size_t(header_.frames % B)) : 0);
    coded_.resize(want);
    pcm_.resize(count * B * C);
    bodyCrc_.resize(count);
    const std::int64_t got = input_->readAt(blockOffset(block), coded_.data(), want);
    if (got < 0)
        return readFailure();

    const bool truncated = std::size_t(got) < want;
    const std::size_t complete = truncated ? std::size_t(got) / fullBytes : count;
    const bool lastShort = !truncated && endsShort;
    const std::size_t full = complete - lastShort;
    const wss::Kernel kernel = wss::bestKernel();
    std::size_t good = wss::decodeBlocks(C, B, full, coded_.data(), pcm_.data(), bodyCrc_.data(), kernel);
    if (lastShort && good == full)
        good += wss::decodeBlocks(C, std::size_t(header_.frames % B), 1, coded_.data() + full * fullBytes,
            pcm_.data() + full * B * C, bodyCrc_.data() + full, kernel);

    chunkFirst_ = block;
    std::size_t b = 0;
    Failure failure;
    for (; b < good; ++b)
        if ((failure = chainBlock(block + b, coded_.data() + b * fullBytes, bodyCrc_[b])))
            break;
    chunkBlocks_ = b;
    if (b < complete) {
        if (b == good) {
            // decodeBlocks() stopped at a rule the block breaks; its checksum, checked first, says
            // whether it is damaged bytes or a writer that broke the rule.
            const std::size_t n = wss::framesInBlock(header_, block + b);
            const std::uint8_t *bytes = coded_.data() + b * fullBytes;
            const std::size_t body = wss::blockBytes(C, n) - wss::kChecksumBytes;
            failure = chainBlock(block + b, bytes, wss::Crc32::of(std::span(bytes, body)));
            if (!failure)
                failure = damaged(block + b, ruleBroken(wss::checkBlock(C, n, bytes)).c_str());
        }
        badBlock_ = block + b;
        bad_ = failure;
        // A block whose checksum matched but that breaks a rule must not be taken as verified.
        chains_.resize(std::min<std::size_t>(chains_.size(), std::size_t(badBlock_) + 1));
        return bad_;
    }
    if (truncated) {
        badBlock_ = block + complete;
        bad_ = {WSS_ERROR_TRUNCATED,
            "damaged WSS file: the file ends inside block " + std::to_string(badBlock_ + 1) + " of "
                + std::to_string(blocks_)};
        return bad_;
    }
    if (block + count == blocks_) {
        std::uint8_t extra = 0;
        const std::int64_t more = input_->readAt(blockOffset(block) + want, &extra, 1);
        if (more < 0)
            end_ = readFailure();
        else if (more > 0)
            end_ = {WSS_ERROR_DAMAGED, "damaged WSS file: data after the last block"};
    }
    return {};
}

std::int64_t Reader::read(std::int16_t *pcm, std::uint64_t frames, Failure &failure)
{
    const unsigned C = header_.channels;
    const std::uint64_t B = header_.blockFrames;
    std::uint64_t done = 0;
    while (done < frames && position_ < header_.frames) {
        const std::uint64_t block = position_ / B;
        if (block < chunkFirst_ || block >= chunkFirst_ + chunkBlocks_) {
            if (block >= badBlock_) {
                failure = bad_;
                break;
            }
            if ((failure = decodeChunkAt(block)) && chunkBlocks_ == 0)
                break;
        }
        const std::uint64_t chunkEnd = std::min(header_.frames, (chunkFirst_ + chunkBlocks_) * B);
        const std::uint64_t n = std::min(frames - done, chunkEnd - position_);
        std::memcpy(pcm + done * C, pcm_.data() + (position_ - chunkFirst_ * B) * C, n * C * sizeof(std::int16_t));
        done += n;
        position_ += n;
    }
    if (done == 0 && !failure && position_ == header_.frames)
        failure = end_;
    if (done > 0)
        failure = {};
    return std::int64_t(done);
}

Failure Reader::seek(std::uint64_t frame)
{
    if (frame > header_.frames)
        return {WSS_ERROR_INVALID,
            "cannot seek to frame " + std::to_string(frame) + ": the sound has " + std::to_string(header_.frames)};
    if (!input_->seekable())
        return {WSS_ERROR_INVALID, "cannot seek: the stream has no seek callback"};
    if (Failure f = verifyUpTo(std::min(frame / header_.blockFrames, blocks_)))
        return f;
    position_ = frame;
    return {};
}

} // namespace wsslib
