// Encoding and decoding speed of the WSS codec, in memory, in frames a second, for 1, 2 and 8
// channels, and checksum speed in bytes a second.

#include "sound.h"
#include "wss_format.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kBlocks = 64;
constexpr std::size_t kB = wss::kDefaultBlockFrames;

void encode(benchmark::State &state)
{
    const auto channels = unsigned(state.range(0));
    const auto pcm = makeSound(kBlocks * kB, int(channels), 44100);
    std::vector<std::uint8_t> out(wss::blockBytes(channels, kB));
    for (auto _ : state) {
        wss::BlockEncoder enc(channels);
        for (std::size_t b = 0; b < kBlocks; ++b)
            enc.encode(std::span(pcm).subspan(b * kB * channels), kB, out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * kBlocks * kB)); // frames
}

void decode(benchmark::State &state)
{
    const auto channels = unsigned(state.range(0));
    const auto pcm = makeSound(kBlocks * kB, int(channels), 44100);
    const std::size_t size = wss::blockBytes(channels, kB);
    std::vector<std::uint8_t> coded(kBlocks * size);
    wss::BlockEncoder enc(channels);
    for (std::size_t b = 0; b < kBlocks; ++b)
        enc.encode(std::span(pcm).subspan(b * kB * channels), kB, std::span(coded).subspan(b * size, size));
    std::vector<std::int16_t> out(kB * channels);
    for (auto _ : state) {
        wss::BlockDecoder dec(channels);
        for (std::size_t b = 0; b < kBlocks; ++b)
            if (!dec.decode(std::span(coded).subspan(b * size, size), kB, out))
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
    for (auto _ : state)
        benchmark::DoNotOptimize(wss::Crc32::of(data));
    state.SetBytesProcessed(std::int64_t(state.iterations() * data.size()));
}

} // namespace

BENCHMARK(encode)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(decode)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(crc32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
