// Encoding and decoding speed of the WSS codec, in memory, on one thread, in frames a second, for
// 1, 2 and 8 channels and each kernel the processor has (encoding: greedy codes, and the search),
// and checksum speed in bytes a second.

#include "block_coder.h"
#include "block_layout.h"
#include "crc32.h"
#include "sound.h"
#include "wss_header.h"

#include <benchmark/benchmark.h>

// Every benchmark loops `for (auto _ : state)`, Google Benchmark's way of counting rounds; the
// analyzer takes the unused `_` for a dead store (NOLINT below).

namespace {

constexpr std::size_t kBlocks = 64;
constexpr std::size_t kB = wss::kDefaultBlockFrames;

bool useKernel(benchmark::State &state, wss::Kernel kernel)
{
    state.SetLabel(wss::kernelName(kernel));
    if (!wss::kernelAvailable(kernel)) {
        state.SkipWithError("the processor lacks this kernel");
        return false;
    }
    return true;
}

void encode(benchmark::State &state, wss::Search search)
{
    const auto channels = unsigned(state.range(0));
    const auto kernel = wss::Kernel(state.range(1));
    if (!useKernel(state, kernel))
        return;
    const auto pcm = makeSound(kBlocks * kB, int(channels), 44100);
    std::vector<std::uint8_t> out(kBlocks * wss::blockBytes(channels, kB));
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        wss::encodeBlocks(channels, kB, kBlocks, pcm.data(), out.data(), kernel, search);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * kBlocks * kB)); // frames
}

void decode(benchmark::State &state)
{
    const auto channels = unsigned(state.range(0));
    const auto kernel = wss::Kernel(state.range(1));
    if (!useKernel(state, kernel))
        return;
    const auto pcm = makeSound(kBlocks * kB, int(channels), 44100);
    std::vector<std::uint8_t> coded(kBlocks * wss::blockBytes(channels, kB));
    wss::encodeBlocks(channels, kB, kBlocks, pcm.data(), coded.data(), wss::Kernel::Plain, wss::Search::Greedy);
    std::vector<std::int16_t> out(pcm.size());
    std::vector<std::uint32_t> crc(kBlocks);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        if (wss::decodeBlocks(channels, kB, kBlocks, coded.data(), out.data(), crc.data(), kernel) != kBlocks)
            state.SkipWithError("block does not decode");
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * kBlocks * kB));
}

void crc32(benchmark::State &state)
{
    std::vector<std::uint8_t> data(1 << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = std::uint8_t(i * 2654435761u >> 24);
    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores)
        benchmark::DoNotOptimize(wss::Crc32::of(data));
    state.SetBytesProcessed(std::int64_t(state.iterations() * data.size()));
}

void kernels(benchmark::internal::Benchmark *b)
{
    for (int channels : {1, 2, 8})
        for (auto kernel : {wss::Kernel::Plain, wss::Kernel::Sse2, wss::Kernel::Avx2})
            b->Args({channels, int(kernel)});
}

} // namespace

BENCHMARK_CAPTURE(encode, greedy, wss::Search::Greedy)->Apply(kernels)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, search, wss::Search::Trellis)->Apply(kernels)->Unit(benchmark::kMillisecond);
BENCHMARK(decode)->Apply(kernels)->Unit(benchmark::kMillisecond);
BENCHMARK(crc32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
