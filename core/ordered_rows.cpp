// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ordered_rows.h"

#if defined(__x86_64__)

#include <array>
// GCC 12's AVX-512 intrinsics start some results from an undefined register.
#pragma GCC diagnostic push
#if !defined(__clang__)   // clang has no such warning
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>

namespace {

// Shuffles that take each channel's bytes of sixteen pixels out of the
// first, second and third sixteen bytes of the pixels; 0x80 gives zero.
struct SplitMasks {
    std::array<std::array<std::array<std::uint8_t, 16>, 3>, 3> mask{};   // by channel, part

    constexpr SplitMasks()
    {
        for (int c = 0; c < 3; ++c)
            for (int part = 0; part < 3; ++part)
                for (int i = 0; i < 16; ++i) {
                    const int nByte = 3 * i + c - 16 * part;
                    mask[c][part][i] = static_cast<std::uint8_t>(nByte >= 0 && nByte < 16 ? nByte : 0x80);
                }
    }
};
constexpr SplitMasks kSplit;

__attribute__((target("avx2"))) inline __m128i Load16(const void* p)
{
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

// One channel of sixteen pixels of three bytes.
__attribute__((target("avx2"))) inline __m128i Channel(const __m128i (&parts)[3], int c)
{
    __m128i bytes = _mm_setzero_si128();
    for (int part = 0; part < 3; ++part)
        bytes = _mm_or_si128(bytes, _mm_shuffle_epi8(parts[part], Load16(kSplit.mask[c][part].data())));
    return bytes;
}

struct StepVectors {
    __m128i offset;
    __m256i magic;
    __m128i shift;
};

__attribute__((target("avx2"))) inline StepVectors Vectors(const EvenStepRow& row)
{
    return {Load16(row.offset), _mm256_set1_epi16(static_cast<short>(row.nMagic)), _mm_cvtsi32_si128(row.nShift)};
}

__attribute__((target("avx2"))) inline __m256i Codes(__m128i values, const StepVectors& step)
{
    const __m256i level = _mm256_mulhi_epu16(_mm256_cvtepu8_epi16(_mm_adds_epu8(values, step.offset)), step.magic);
    return _mm256_sll_epi16(level, step.shift);
}

// With AVX-512 and byte shuffles over two registers, 5-6-5 and the like
// thirty-two pixels at a time: each channel's bytes come out of 96 in one
// shuffle instead of three and two ors for sixteen.
#define TOVIX_WIDE_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi")))

struct WideSplit {
    std::array<std::array<std::uint8_t, 32>, 3> index{};   // by channel; 64 and up picks from the second register

    constexpr WideSplit()
    {
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 32; ++i) {
                const int nByte = 3 * i + c;   // the second register starts 32 bytes on
                index[c][i] = static_cast<std::uint8_t>(nByte < 64 ? nByte : nByte + 32);
            }
    }
};
constexpr WideSplit kWideSplit;

struct WidePixels {
    __m512i first, second;
};

TOVIX_WIDE_TARGET inline WidePixels LoadWide(const std::uint8_t* p)
{
    return {_mm512_loadu_si512(p), _mm512_loadu_si512(p + 32)};
}

TOVIX_WIDE_TARGET inline __m512i WideChannel(const WidePixels& pixels, int c)
{
    const __m512i index =
        _mm512_castsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(kWideSplit.index[c].data())));
    return _mm512_cvtepu8_epi16(_mm512_castsi512_si256(_mm512_permutex2var_epi8(pixels.first, index, pixels.second)));
}

TOVIX_WIDE_TARGET std::int32_t EvenStepsRgbWide(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                const EvenStepRow (&channels)[3])
{
    __m512i offset[3], magic[3];
    __m128i shift[3];
    for (int c = 0; c < 3; ++c) {
        offset[c] = _mm512_cvtepu8_epi16(_mm256_broadcastsi128_si256(Load16(channels[c].offset)));
        magic[c] = _mm512_set1_epi16(static_cast<short>(channels[c].nMagic));
        shift[c] = _mm_cvtsi32_si128(channels[c].nShift);
    }
    const __m512i top = _mm512_set1_epi16(255);
    std::int32_t x = 0;
    for (; x + 32 <= nWidth; x += 32) {
        const WidePixels pixels = LoadWide(s + 3 * x);
        __m512i code = _mm512_setzero_si512();
        for (int c = 0; c < 3; ++c) {
            const __m512i values = _mm512_min_epu16(_mm512_add_epi16(WideChannel(pixels, c), offset[c]), top);
            code = _mm512_add_epi16(code, _mm512_sll_epi16(_mm512_mulhi_epu16(values, magic[c]), shift[c]));
        }
        _mm512_storeu_si512(d + x, code);
    }
    return x;
}

// Two colours thirty-two pixels at a time, as BelowThresholds does sixteen.
TOVIX_WIDE_TARGET std::int32_t BelowThresholdsWide(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                   const std::int16_t (&thresholds)[3][16])
{
    __m512i bounds[3];
    for (int c = 0; c < 3; ++c)
        bounds[c] = _mm512_broadcast_i64x4(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(thresholds[c])));
    const __m512i one = _mm512_set1_epi16(1);
    std::int32_t x = 0;
    for (; x + 32 <= nWidth; x += 32) {
        const WidePixels pixels = LoadWide(s + 3 * x);
        __mmask32 black = _mm512_cmplt_epi16_mask(WideChannel(pixels, 0), bounds[0]);
        black &= _mm512_cmplt_epi16_mask(WideChannel(pixels, 1), bounds[1]);
        black &= _mm512_cmplt_epi16_mask(WideChannel(pixels, 2), bounds[2]);
        _mm512_storeu_si512(d + x, _mm512_maskz_mov_epi16(~black, one));
    }
    return x;
}

bool HasWide()
{
    static const bool bHas = (__builtin_cpu_init(), __builtin_cpu_supports("avx512f") &&
                                                         __builtin_cpu_supports("avx512bw") &&
                                                         __builtin_cpu_supports("avx512vbmi"));
    return bHas;
}

__attribute__((target("avx2"))) std::int32_t EvenStepsRgb(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                          const EvenStepRow (&channels)[3])
{
    const StepVectors steps[3] = {Vectors(channels[0]), Vectors(channels[1]), Vectors(channels[2])};
    std::int32_t x = HasWide() ? EvenStepsRgbWide(s, d, nWidth, channels) : 0;
    for (; x + 16 <= nWidth; x += 16) {
        const std::uint8_t* p = s + 3 * x;
        const __m128i parts[3] = {Load16(p), Load16(p + 16), Load16(p + 32)};
        __m256i code = Codes(Channel(parts, 0), steps[0]);
        code = _mm256_add_epi16(code, Codes(Channel(parts, 1), steps[1]));
        code = _mm256_add_epi16(code, Codes(Channel(parts, 2), steps[2]));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), code);
    }
    return x;
}

__attribute__((target("avx2"))) std::int32_t EvenStepsGrey(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                           const EvenStepRow& channel)
{
    const StepVectors step = Vectors(channel);
    std::int32_t x = 0;
    for (; x + 16 <= nWidth; x += 16)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), Codes(Load16(s + x), step));
    return x;
}

__attribute__((target("avx2"))) std::int32_t BelowThresholds(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                             const std::int16_t (&thresholds)[3][16])
{
    __m256i bounds[3];
    for (int c = 0; c < 3; ++c) bounds[c] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(thresholds[c]));
    const __m256i one = _mm256_set1_epi16(1);
    std::int32_t x = HasWide() ? BelowThresholdsWide(s, d, nWidth, thresholds) : 0;
    for (; x + 16 <= nWidth; x += 16) {
        const std::uint8_t* p = s + 3 * x;
        const __m128i parts[3] = {Load16(p), Load16(p + 16), Load16(p + 32)};
        __m256i black = _mm256_cmpgt_epi16(bounds[0], _mm256_cvtepu8_epi16(Channel(parts, 0)));
        black = _mm256_and_si256(black, _mm256_cmpgt_epi16(bounds[1], _mm256_cvtepu8_epi16(Channel(parts, 1))));
        black = _mm256_and_si256(black, _mm256_cmpgt_epi16(bounds[2], _mm256_cvtepu8_epi16(Channel(parts, 2))));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), _mm256_add_epi16(black, one));   // black is -1
    }
    return x;
}

bool HasAvx2()
{
    static const bool bHas = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return bHas;
}

} // namespace

std::int32_t OrderedEvenStepsRgb(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                 const EvenStepRow (&channels)[3])
{
    return HasAvx2() ? EvenStepsRgb(s, d, nWidth, channels) : 0;
}

std::int32_t OrderedEvenStepsGrey(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth, const EvenStepRow& channel)
{
    return HasAvx2() ? EvenStepsGrey(s, d, nWidth, channel) : 0;
}

std::int32_t OrderedBelowThresholds(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                    const std::int16_t (&thresholds)[3][16])
{
    return HasAvx2() ? BelowThresholds(s, d, nWidth, thresholds) : 0;
}

#pragma GCC diagnostic pop

#else

// Elsewhere the caller's tables code every pixel.
std::int32_t OrderedEvenStepsRgb(const std::uint8_t*, std::uint16_t*, std::int32_t, const EvenStepRow (&)[3])
{
    return 0;
}

std::int32_t OrderedEvenStepsGrey(const std::uint8_t*, std::uint16_t*, std::int32_t, const EvenStepRow&)
{
    return 0;
}

std::int32_t OrderedBelowThresholds(const std::uint8_t*, std::uint16_t*, std::int32_t, const std::int16_t (&)[3][16])
{
    return 0;
}

#endif
