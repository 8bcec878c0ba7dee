#include "wss_stream.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace wss {

CodecOptions optionsFromEnvironment()
{
    CodecOptions o;
    if (const char *k = std::getenv("WSS_KERNEL")) {
        for (Kernel kernel : {Kernel::Plain, Kernel::Sse2, Kernel::Avx2})
            if (std::strcmp(k, kernelName(kernel)) == 0 && kernelAvailable(kernel))
                o.kernel = kernel;
    }
    if (const char *t = std::getenv("WSS_THREADS"))
        o.threads = unsigned(std::strtoul(t, nullptr, 10));
    return o;
}

namespace {

// Blocks in one chunk: about 256 KiB of samples whatever the channel count and block size (at
// least one block), with the streams (channel of a block) a multiple of 8 for the 8-lane kernel
// where there are that many.
std::size_t chunkBlocks(unsigned channels, std::size_t blockFrames)
{
    constexpr std::size_t kSamples = std::size_t{128} * 1025;
    std::size_t blocks = std::max<std::size_t>(1, kSamples / (blockFrames * channels));
    while (blocks > 1 && blocks * channels % 8 != 0)
        --blocks;
    return blocks;
}

// Below this many chunks, starting threads costs more than it gains.
constexpr std::uint64_t kChunksForThreads = 4;

unsigned workerCount(const CodecOptions &o, std::uint64_t frames, std::size_t chunkFrames)
{
    if (o.threads != kAutoThreads)
        return std::min(o.threads, 16u);
    if (frames < kChunksForThreads * chunkFrames)
        return 0;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
}

// Chunks go round a few slots: the caller's thread fills a slot (produce), a worker codes it
// (work), and the caller's thread empties the slots in the order it filled them (consume). With
// no workers, the caller's thread codes each chunk itself. A written-out queue rather than a
// library: what is needed is this one ordering rule, and the standard library has no thread pool.
template <typename Slot> class Pipeline
{
public:
    Pipeline(unsigned workers, std::function<void(Slot &)> work)
        : work_(std::move(work))
        , slots_(workers == 0 ? 1 : 2 * std::size_t(workers) + 1)
    {
        // A thread that cannot be started is done without: fewer workers, or none, code the same.
        try {
            for (unsigned i = 0; i < workers; ++i)
                threads_.emplace_back([this] { serve(); });
        } catch (const std::system_error &) { }
    }

    ~Pipeline()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        ready_.notify_all();
        for (auto &t : threads_)
            t.join();
    }

    Pipeline(const Pipeline &) = delete;
    Pipeline &operator=(const Pipeline &) = delete;

    // produce(slot) fills a slot and returns false when there is nothing more to code after it;
    // consume(slot) is called for each filled slot in order, and returns false to stop early.
    template <typename Produce, typename Consume> void run(Produce produce, Consume consume)
    {
        std::size_t next = 0, oldest = 0, inFlight = 0;
        bool more = true;
        while (more || inFlight > 0) {
            if (more && inFlight < slots_.size()) {
                Slot &slot = slots_[next % slots_.size()].slot;
                more = produce(slot);
                if (threads_.empty()) {
                    work_(slot);
                    if (!consume(slot))
                        return;
                    continue;
                }
                {
                    std::lock_guard lock(mutex_);
                    slots_[next % slots_.size()].done = false;
                    queue_.push_back(next % slots_.size());
                }
                ready_.notify_one();
                ++next;
                ++inFlight;
                continue;
            }
            Entry &e = slots_[oldest % slots_.size()];
            {
                std::unique_lock lock(mutex_);
                done_.wait(lock, [&] { return e.done; });
            }
            ++oldest;
            --inFlight;
            if (!consume(e.slot))
                return;
        }
    }

private:
    struct Entry
    {
        Slot slot;
        bool done = false;
    };

    void serve()
    {
        for (;;) {
            std::size_t i;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [&] { return stop_ || !queue_.empty(); });
                if (stop_)
                    return;
                i = queue_.front();
                queue_.pop_front();
            }
            work_(slots_[i].slot);
            {
                std::lock_guard lock(mutex_);
                slots_[i].done = true;
            }
            done_.notify_all();
        }
    }

    std::function<void(Slot &)> work_;
    std::vector<Entry> slots_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable ready_, done_;
    std::deque<std::size_t> queue_;
    bool stop_ = false;
};

struct EncodeSlot
{
    std::vector<std::int16_t> pcm;
    std::vector<std::uint8_t> coded;
    std::size_t frames = 0;
    std::size_t bytes = 0;
};

} // namespace

std::uint64_t encodeStream(unsigned channels, std::uint16_t blockFrames, std::uint64_t expectedFrames,
    const PcmSource &read, const ByteSink &write, CodecOptions options)
{
    const std::size_t B = blockFrames, G = chunkBlocks(channels, blockFrames);
    const std::size_t fullBytes = blockBytes(channels, B);
    Pipeline<EncodeSlot> pipeline(workerCount(options, expectedFrames, G * B), [&](EncodeSlot &s) {
        const std::size_t full = s.frames / B, rest = s.frames % B;
        encodeBlocks(channels, B, full, s.pcm.data(), s.coded.data(), options.kernel);
        s.bytes = full * fullBytes;
        if (rest > 0) {
            encodeBlocks(
                channels, rest, 1, s.pcm.data() + full * B * channels, s.coded.data() + s.bytes, options.kernel);
            s.bytes += blockBytes(channels, rest);
        }
    });
    Crc32Chain crc;
    std::uint64_t frames = 0;
    pipeline.run(
        [&](EncodeSlot &s) {
            s.pcm.resize(G * B * channels);
            s.coded.resize(G * fullBytes);
            s.frames = read(s.pcm, G * B);
            return s.frames == G * B;
        },
        [&](EncodeSlot &s) {
            // Each block holds the CRC of its own contents; the file wants the running one.
            for (std::size_t at = 0; at < s.bytes;) {
                const std::size_t size = std::min(fullBytes, s.bytes - at);
                std::uint8_t *sum = s.coded.data() + at + size - 4;
                crc.append(std::uint32_t(sum[0] | sum[1] << 8 | sum[2] << 16 | std::uint32_t(sum[3]) << 24), size - 4);
                const std::uint32_t v = crc.value();
                for (int i = 0; i < 4; ++i)
                    sum[i] = std::uint8_t(v >> (8 * i));
                at += size;
            }
            if (s.bytes > 0)
                write(s.coded.data(), s.bytes);
            frames += s.frames;
            return true;
        });
    return frames;
}

namespace {

struct DecodeSlot
{
    std::vector<std::uint8_t> coded;
    std::vector<std::int16_t> pcm;
    std::vector<std::uint32_t> bodyCrc;
    std::uint64_t firstBlock = 0;
    std::size_t blocks = 0; // complete blocks read
    std::size_t frames = 0; // in those blocks
    std::size_t good = 0; // leading blocks with sound channel headers
    bool truncated = false; // the input ended inside the block after them
};

} // namespace

DecodeResult decodeStream(const Header &header, const ByteSource &read, const PcmSink &write, CodecOptions options)
{
    const unsigned C = header.channels;
    const std::size_t B = header.blockFrames, G = chunkBlocks(C, header.blockFrames);
    const std::uint64_t total = blockCount(header);
    const std::size_t fullBytes = blockBytes(C, B);
    Pipeline<DecodeSlot> pipeline(workerCount(options, header.frames, G * B), [&](DecodeSlot &s) {
        // All blocks of a chunk have B frames but maybe the very last of the sound.
        const bool lastShort = s.blocks > 0 && s.firstBlock + s.blocks == total && header.frames % B != 0;
        const std::size_t full = s.blocks - lastShort;
        s.good = decodeBlocks(C, B, full, s.coded.data(), s.pcm.data(), s.bodyCrc.data(), options.kernel);
        if (lastShort && s.good == full)
            s.good += decodeBlocks(C, std::size_t(header.frames % B), 1, s.coded.data() + full * fullBytes,
                s.pcm.data() + full * B * C, s.bodyCrc.data() + full, options.kernel);
    });
    DecodeResult result;
    Crc32Chain crc;
    std::uint64_t nextBlock = 0;
    pipeline.run(
        [&](DecodeSlot &s) {
            s.coded.resize(G * fullBytes);
            s.pcm.resize(G * B * C);
            s.bodyCrc.resize(G);
            s.firstBlock = nextBlock;
            const std::size_t blocks = std::size_t(std::min<std::uint64_t>(G, total - nextBlock));
            std::size_t want = 0, frames = 0;
            for (std::size_t b = 0; b < blocks; ++b) {
                const std::size_t n = framesInBlock(header, nextBlock + b);
                want += blockBytes(C, n);
                frames += n;
            }
            const std::size_t got = read(s.coded.data(), want);
            s.truncated = got < want;
            s.blocks = s.truncated ? got / fullBytes : blocks; // only the last block can be shorter
            s.frames = s.truncated ? s.blocks * B : frames;
            nextBlock += s.blocks;
            return !s.truncated && nextBlock < total;
        },
        [&](DecodeSlot &s) {
            std::size_t frames = 0, at = 0, b = 0;
            for (; b < s.good; ++b) {
                const std::size_t n = framesInBlock(header, s.firstBlock + b), size = blockBytes(C, n);
                const std::uint8_t *sum = s.coded.data() + at + size - 4;
                crc.append(s.bodyCrc[b], size - 4);
                if (crc.value() != std::uint32_t(sum[0] | sum[1] << 8 | sum[2] << 16 | std::uint32_t(sum[3]) << 24))
                    break;
                frames += n;
                at += size;
            }
            if (frames > 0)
                write(s.pcm.data(), frames);
            if (b < s.blocks) {
                result = {DecodeResult::Damaged, s.firstBlock + b};
                return false;
            }
            if (s.truncated) {
                result = {DecodeResult::Truncated, s.firstBlock + s.blocks};
                return false;
            }
            return true;
        });
    return result;
}

} // namespace wss
