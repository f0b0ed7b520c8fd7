// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ordered_rows.h"

#if defined(__x86_64__)

#include <array>
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

__attribute__((target("avx2"))) std::int32_t EvenStepsRgb(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                                          const EvenStepRow (&channels)[3])
{
    const StepVectors steps[3] = {Vectors(channels[0]), Vectors(channels[1]), Vectors(channels[2])};
    std::int32_t x = 0;
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
    std::int32_t x = 0;
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
