#pragma once

// The lane kernels, written once with GCC/Clang vector types for L lanes of 32 bits, and compiled
// once per instruction set (ima_lanes_sse2.cpp, ima_lanes_avx2.cpp). Everything here has internal
// linkage and calls no inline library function: a copy compiled for AVX2 must never be merged
// with, and used in place of, code meant for any x86-64.

#include "ima_lanes.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

#if defined(__AVX2__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace wss::lanes {
namespace {

// The same table as kImaSteps, as 32-bit values for vector lookups.
constexpr std::int32_t kSteps[89] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50,
    55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494,
    544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327,
    3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500,
    20350, 22385, 24623, 27086, 29794, 32767};

// For the decoder, what each code adds to the prediction at each step index, before its sign: row
// `index`, column the code's magnitude bits (code & 7), summed as imaApply() sums them. One lookup
// then stands for the step lookup and the three bit tests.
struct DiffTable
{
    std::int32_t v[89 * 8];
};
constexpr DiffTable makeDiffTable()
{
    DiffTable t{};
    for (int i = 0; i < 89; ++i)
        for (int m = 0; m < 8; ++m) {
            const std::int32_t step = kSteps[i];
            t.v[i * 8 + m] = (step >> 3) + (m & 4 ? step : 0) + (m & 2 ? step >> 1 : 0) + (m & 1 ? step >> 2 : 0);
        }
    return t;
}
alignas(64) constexpr DiffTable kDiffs = makeDiffTable();

// GCC takes no vector size that depends on a template argument, hence the vector type itself as
// the argument.
typedef std::int32_t Int32x4 __attribute__((vector_size(16)));
typedef std::int32_t Int32x8 __attribute__((vector_size(32)));
typedef std::int16_t Int16x4 __attribute__((vector_size(8)));
typedef std::int16_t Int16x8 __attribute__((vector_size(16)));

template <typename V> struct Lanes
{
    static constexpr int L = int(sizeof(V) / 4);

    static V load(const std::int32_t *p)
    {
        V v;
        for (int l = 0; l < L; ++l)
            v[l] = p[l];
        return v;
    }

    // Lane by lane, also with AVX2: its gather instruction made the encoder 30% slower on an AMD
    // EPYC (Zen 3) than these eight loads. (The decoder's gather in diffs() costs the same as
    // loads there.)
    static V steps(V index)
    {
        V s;
        for (int l = 0; l < L; ++l)
            s[l] = kSteps[index[l]];
        return s;
    }

    static V clampPredictor(V p)
    {
        p = p < -32768 ? V{} - 32768 : p;
        return p > 32767 ? V{} + 32767 : p;
    }

    static V clampIndex(V i)
    {
        i = i < 0 ? V{} : i;
        return i > 88 ? V{} + 88 : i;
    }

    // Index change after a code, by its magnitude bits (each lane -1 when set): -1 for codes 0..3,
    // else 2, 4, 6, 8.
    static V indexChange(V b2, V b1, V b0) { return b2 ? (b1 & 4) + (b0 & 2) + 2 : V{} - 1; }

    // The same, by the code itself (its sign bit does not matter).
    static V indexChange(V code)
    {
#if defined(__AVX2__)
        if constexpr (L == 8) // one lookup in a register: vpermd takes the low 3 bits of each lane
            return V(_mm256_permutevar8x32_epi32(_mm256_setr_epi32(-1, -1, -1, -1, 2, 4, 6, 8), __m256i(code)));
#endif
        return indexChange((code & 4) != 0, (code & 2) != 0, (code & 1) != 0);
    }

    // Predictions (always in the 16-bit range) as 16-bit samples: a saturating pack, which is
    // exact here and one instruction, where a plain conversion is several.
    static auto narrow(V v)
    {
        using Pcm = std::conditional_t<L == 8, Int16x8, Int16x4>;
        Pcm out;
#if defined(__AVX2__)
        if constexpr (L == 8) {
            const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi32(__m256i(v), __m256i(v)), 0x08);
            const __m128i low = _mm256_castsi256_si128(packed);
            std::memcpy(&out, &low, sizeof out);
            return out;
        }
#endif
#if defined(__SSE2__)
        if constexpr (L == 4) {
            const __m128i packed = _mm_packs_epi32(__m128i(v), __m128i(v));
            std::memcpy(&out, &packed, sizeof out);
            return out;
        }
#endif
        return __builtin_convertvector(v, Pcm);
    }

    // The difference a code's magnitude bits stand for at each lane's step index (kDiffs).
    static V diffs(V index, V magnitude)
    {
        const V at = (index << 3) | magnitude;
#if defined(__AVX2__)
        if constexpr (L == 8)
            return V(_mm256_i32gather_epi32(kDiffs.v, __m256i(at), 4));
#endif
        V d;
        for (int l = 0; l < L; ++l)
            d[l] = kDiffs.v[at[l]];
        return d;
    }

    // |d|, given `negative`, d's sign spread over the lane.
    static V magnitude(V d, V negative)
    {
#if defined(__AVX2__)
        if constexpr (L == 8)
            return V(_mm256_abs_epi32(__m256i(d)));
#endif
        return (d ^ negative) - negative;
    }

    // One code for each lane's next sample; the state moves on as the decoder's will.
    [[gnu::always_inline]] static V encodeOne(V &predictor, V &index, V sample)
    {
        const V step = steps(index);
        const V d = sample - predictor;
        const V negative = d >> 31; // -1 or 0
        V mag = magnitude(d, negative);
        const V b2 = mag >= step;
        mag -= step & b2;
        const V half = step >> 1, quarter = step >> 2;
        const V b1 = mag >= half;
        mag -= half & b1;
        const V b0 = mag >= quarter;
        const V diff = (step >> 3) + (step & b2) + (half & b1) + (quarter & b0);
        predictor = clampPredictor(predictor + ((diff ^ negative) - negative));
        const V code = (negative & 8) | (b2 & 4) | (b1 & 2) | (b0 & 1);
        index = clampIndex(index + indexChange(code));
        return code;
    }

    // L samples from a tile as a vector.
    static V widen(const std::int16_t *p)
    {
#if defined(__AVX2__)
        if constexpr (L == 8)
            return V(_mm256_cvtepi16_epi32(_mm_load_si128(reinterpret_cast<const __m128i *>(p))));
#endif
#if defined(__SSE2__)
        if constexpr (L == 4) {
            const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(p));
            return V(_mm_srai_epi32(_mm_unpacklo_epi16(x, x), 16));
        }
#endif
        V v;
        for (int l = 0; l < L; ++l)
            v[l] = p[l];
        return v;
    }

    [[gnu::always_inline]] static void decodeOne(V &predictor, V &index, V code)
    {
        const V diff = diffs(index, code & 7);
        const V negative = (code << 28) >> 31; // the sign bit (8) spread over the lane: -1 or 0
        predictor = clampPredictor(predictor + ((diff ^ negative) - negative));
        index = clampIndex(index + indexChange(code));
    }

    // N groups of L lanes. Each code waits for the one before in its lane, so a single group
    // mostly waits; the groups' chains are independent and overlap in the processor.
    // R as for decode<N, R>: the samples of R lanes are fetched together.
    template <int N, int R> static void encode(const Job &job, const std::int16_t *pcm, std::uint8_t *codes)
    {
        V predictor[N], index[N];
        for (int g = 0; g < N; ++g) {
            predictor[g] = load(job.predictor + std::ptrdiff_t(g) * L);
            index[g] = load(job.index + std::ptrdiff_t(g) * L);
        }
        // The samples are first copied a tile at a time into lane order, so the coding loop loads
        // whole vectors; fetching each lane's sample where it lies costs more than the coding.
        constexpr std::size_t kTile = 64;
        alignas(32) std::int16_t tile[kTile * N * L];
        const std::size_t stride = job.stride;
        for (std::size_t t = 0; t < job.codes; t += kTile) {
            const std::size_t tn = job.codes - t < kTile ? job.codes - t : kTile;
            for (int r = 0; r < N * L; r += R) {
                const std::int16_t *from = pcm + std::size_t(job.pcmOffset[r]) + (t + 1) * stride;
                for (std::size_t k = 0; k < tn; ++k)
                    std::memcpy(&tile[k * N * L + std::size_t(r)], from + k * stride, R * sizeof(std::int16_t));
            }
            for (std::size_t w = t; w < t + tn; w += 8) {
                // Eight codes make one 32-bit word per lane, stored as four bytes, low code first.
                const std::size_t m = job.codes - w < 8 ? job.codes - w : 8;
                V word[N];
#pragma GCC unroll 4
                for (int g = 0; g < N; ++g)
                    word[g] = V{};
                for (std::size_t j = 0; j < m; ++j) {
                    const std::int16_t *at = tile + (w - t + j) * N * L;
#pragma GCC unroll 4
                    for (int g = 0; g < N; ++g)
                        word[g] |= encodeOne(predictor[g], index[g], widen(at + std::ptrdiff_t(g) * L)) << int(4 * j);
                }
                for (int l = 0; l < N * L; ++l) {
                    std::uint8_t *to = codes + std::size_t(job.codeOffset[l]) + w / 2;
                    const std::uint32_t v = std::uint32_t(word[l / L][l % L]);
                    if (m == 8) {
                        const std::uint8_t b[4]
                            = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
                        std::memcpy(to, b, 4);
                    } else {
                        for (std::size_t i = 0; i < (m + 1) / 2; ++i)
                            to[i] = std::uint8_t(v >> (8 * i));
                    }
                }
            }
        }
    }

    // R lanes from a multiple of R hold R channels of one block that lie side by side among the
    // interleaved frames (see laneRun()); the decoded samples are gathered in lane order
    // and go out R at a time, instead of one lane at a time straight from the vector registers,
    // which cost as much as the decoding.
    template <int N, int R> static void decode(const Job &job, const std::uint8_t *codes, std::int16_t *pcm)
    {
        using Pcm = std::conditional_t<L == 8, Int16x8, Int16x4>;
        V predictor[N], index[N];
        for (int g = 0; g < N; ++g) {
            predictor[g] = load(job.predictor + std::ptrdiff_t(g) * L);
            index[g] = load(job.index + std::ptrdiff_t(g) * L);
        }
        const std::size_t stride = job.stride;
        for (std::size_t w = 0; w < job.codes; w += 8) {
            const std::size_t m = job.codes - w < 8 ? job.codes - w : 8;
            alignas(32) std::int32_t packed[N * L];
            for (int l = 0; l < N * L; ++l) {
                const std::uint8_t *p = codes + std::size_t(job.codeOffset[l]) + w / 2;
                std::uint32_t v = 0;
                if (m == 8) {
                    v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                        | std::uint32_t(p[3]) << 24;
                } else { // the last word of a stream takes only the stream's own bytes
                    for (std::size_t i = 0; i < (m + 1) / 2; ++i)
                        v |= std::uint32_t(p[i]) << (8 * i);
                }
                packed[l] = std::int32_t(v);
            }
            V word[N];
            for (int g = 0; g < N; ++g)
                std::memcpy(&word[g], packed + g * L, sizeof word[g]);
            alignas(32) std::int16_t tile[8][N * L];
            for (std::size_t j = 0; j < m; ++j) {
#pragma GCC unroll 4
                for (int g = 0; g < N; ++g) {
                    decodeOne(predictor[g], index[g], (word[g] >> int(4 * j)) & 15);
                    const Pcm samples = narrow(predictor[g]);
                    std::memcpy(&tile[j][g * L], &samples, sizeof samples);
                }
            }
            for (int r = 0; r < N * L; r += R) {
                std::int16_t *to = pcm + std::size_t(job.pcmOffset[r]) + (w + 1) * stride;
                for (std::size_t j = 0; j < m; ++j)
                    std::memcpy(to + j * stride, &tile[j][r], R * sizeof(std::int16_t));
            }
        }
    }

    template <int R> static void decode(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm)
    {
        switch (groups) {
        case 1:
            return decode<1, R>(job, codes, pcm);
        case 2:
            return decode<2, R>(job, codes, pcm);
        case 3:
            return decode<3, R>(job, codes, pcm);
        default:
            return decode<4, R>(job, codes, pcm);
        }
    }

    template <int R> static void encode(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes)
    {
        switch (groups) {
        case 1:
            return encode<1, R>(job, pcm, codes);
        case 2:
            return encode<2, R>(job, pcm, codes);
        case 3:
            return encode<3, R>(job, pcm, codes);
        default:
            return encode<4, R>(job, pcm, codes);
        }
    }

    // Runs `groups` (1 to kMaxGroups) groups of lanes.
    static void encode(int groups, const Job &job, const std::int16_t *pcm, std::uint8_t *codes)
    {
        switch (laneRun(job.stride)) {
        case 2:
            return encode<2>(groups, job, pcm, codes);
        case 4:
            return encode<4>(groups, job, pcm, codes);
        case 8:
            if constexpr (L == 8)
                return encode<8>(groups, job, pcm, codes);
            [[fallthrough]];
        default:
            return encode<1>(groups, job, pcm, codes);
        }
    }

    // How many lanes from a multiple of that many hold channels of one block side by side: runs of
    // R lanes never straddle two blocks when R divides the channel count and the lanes, so R is
    // the largest power of two that divides the channel count, up to L.
    static std::size_t laneRun(std::size_t channels)
    {
        const std::size_t lowestBit = channels & (~channels + 1);
        return lowestBit < std::size_t(L) ? lowestBit : std::size_t(L);
    }

    static void decode(int groups, const Job &job, const std::uint8_t *codes, std::int16_t *pcm)
    {
        switch (laneRun(job.stride)) {
        case 2:
            return decode<2>(groups, job, codes, pcm);
        case 4:
            return decode<4>(groups, job, codes, pcm);
        case 8:
            if constexpr (L == 8)
                return decode<8>(groups, job, codes, pcm);
            [[fallthrough]];
        default:
            return decode<1>(groups, job, codes, pcm);
        }
    }
};

} // namespace
} // namespace wss::lanes
