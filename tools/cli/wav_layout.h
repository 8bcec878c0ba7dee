#pragma once

// What the chunks of a WAV file (RIFF, its big-endian twin RIFX, or RF64) say about its sound,
// read by the tool itself where libsndfile's answer is not enough: libsndfile reads a data chunk
// that gives its length as 0 (a recorder that crashed, a writer that streams) as no sound, and
// the end of a file cut short without a word; it loses its way after a chunk of odd length that
// its writer left without the pad byte WAV asks for; and for a file it refuses, says only
// "SF_INFO struct incomplete". The walk stops at the first chunk it cannot follow.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace wsstool {

struct WavLayout
{
    enum Kind { NotWalked, Riff, Rifx, Rf64 } kind = NotWalked;
    std::uint64_t fileSize = 0;

    // The fmt chunk.
    bool hasFormat = false;
    std::uint16_t formatTag = 0; // 1 PCM, 3 float, 0xFFFE extensible, ...
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0; // bytes a frame, for PCM and float
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> formatChunk; // its body, as the file has it

    // The data chunks: how many, and the first one.
    unsigned dataChunks = 0;
    std::uint64_t dataOffset = 0; // where its sound starts
    std::uint64_t lengthAt = 0; // where its 32-bit length is
    std::uint64_t declared = 0; // the length it gives (RF64: the one in the ds64 chunk)

    // A chunk of odd length before the sound is followed by the next chunk at once, without the
    // pad byte that should keep chunks at even offsets.
    bool padMissing = false;
    // The first data chunk comes before any fmt chunk: not a valid WAV file, whose fmt chunk
    // says how to read the sound.
    bool dataBeforeFormat = false;

    // A RIFF or RIFX data chunk that gives its length as 0 or 0xFFFFFFFF (what writers that
    // cannot go back put there), with bytes after it: the sound runs to the end of the file, as
    // other readers take it.
    bool lengthMissing() const;
    // The bytes of sound the file holds: all that follows the data chunk's head when its length is
    // missing, else the length it gives, or less when the file ends first.
    std::uint64_t held() const;
    // Bytes a frame for PCM and float sound, where the header says so; 0 otherwise.
    unsigned frameBytes() const;
};

// Reads up to n bytes at `offset` and returns how many there were.
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::uint8_t *bytes, std::size_t n)>;

WavLayout readWavLayout(const ReadAt &read, std::uint64_t fileSize);

// The same for an open file, read with pread() (its offset does not move).
WavLayout readWavLayout(int fd);

// The head of a plain WAV file of the same sound: its fmt chunk, then the head of a data chunk of
// held() bytes, for reading the file's sound after it. RF64 when held() needs more than 32 bits
// (RF64 is little-endian: for RIFX that is one RIFX can't say, and the head is empty).
std::vector<std::uint8_t> plainWavHead(const WavLayout &layout);

} // namespace wsstool
