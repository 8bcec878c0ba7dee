#pragma once

// IMA ADPCM on several independent streams at once, one stream to each lane of a vector register.
// A stream is one channel of one block: since every block starts from an exact sample and its
// own step index, its codes depend on nothing outside it, and streams can be coded side by side.
// Within a stream every code depends on the one before, so one stream alone cannot go faster than
// the latency of that chain; several in lanes fill the processor's width instead.
//
// The lane kernels do exactly the integer arithmetic of imaEncode() / imaDecode(), so their
// output is bit for bit that of the plain code, which is the reference.

#include <cstddef>
#include <cstdint>

namespace wss {

enum class Kernel {
    Plain, // one stream at a time; runs everywhere
    Sse2, // 4 streams side by side (x86-64)
    Avx2, // 8 streams side by side (x86-64 with AVX2)
};

// The fastest kernel this processor runs.
Kernel bestKernel();
bool kernelAvailable(Kernel kernel);
const char *kernelName(Kernel kernel);
// Streams each call of `kernel` codes side by side (1 for Plain).
std::size_t kernelLanes(Kernel kernel);

namespace lanes {

// Groups of kernelLanes() streams one call may code side by side.
inline constexpr int kMaxGroups = 4;

// One call codes `groups` times kernelLanes() streams, each of `codes` codes (its frames 1..n-1; frame 0 is
// stored whole). Per lane: where the stream's frame 0 is in `pcm` (frames `stride` samples
// apart), where its first code byte is in `codes`, and the state it starts from.
struct Job
{
    std::size_t codes;
    std::size_t stride;
    const std::int32_t *pcmOffset;
    const std::int32_t *codeOffset;
    const std::int32_t *predictor;
    const std::int32_t *index;
};

// Reads samples from `pcm` and writes code bytes (two codes a byte, low half first; an unused
// high half is 0).
void encodeSse2(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes);
void encodeAvx2(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes);
// Reads each stream's code bytes, and no byte past them, and writes frames 1..n-1 of each stream
// into `pcm`.
void decodeSse2(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm);
void decodeAvx2(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm);

} // namespace lanes

} // namespace wss
