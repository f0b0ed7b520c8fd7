// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/diffusion_chain.h"

#if defined(__x86_64__)

// GCC 12's AVX-512 intrinsics start their results from an undefined register.
#pragma GCC diagnostic push
#if !defined(__clang__)   // clang has no such warning
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include <array>

#define TOVIX_CHAIN_TARGET __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

namespace {

// The first nCount of sixteen pixels.
TOVIX_CHAIN_TARGET inline __mmask16 Lanes(std::int32_t nCount)
{
    return nCount >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << nCount) - 1);
}

// Sixteen pixels of N bytes, as many as there are.
template <int N>
TOVIX_CHAIN_TARGET inline __m512i Pixels(const std::uint8_t* s, std::int32_t nCount)
{
    return _mm512_maskz_loadu_epi8((1ull << (N * (nCount < 16 ? nCount : 16))) - 1, s);
}

// The shuffle that takes the first channel of sixteen pixels of three bytes.
struct FirstChannel {
    std::array<std::uint8_t, 64> index{};

    constexpr FirstChannel()
    {
        for (int i = 0; i < 16; ++i) index[i] = static_cast<std::uint8_t>(3 * i);
    }
};
constexpr FirstChannel kFirstChannel;

// Channel c of the pixels, widened to 32 bits.
template <int N>
TOVIX_CHAIN_TARGET inline __m512i Channel(__m512i pixels, int c)
{
    if constexpr (N == 1) return _mm512_cvtepu8_epi32(_mm512_castsi512_si128(pixels));
    else {
        const __m512i index = _mm512_add_epi8(_mm512_loadu_si512(kFirstChannel.index.data()), _mm512_set1_epi8(static_cast<char>(c)));
        return _mm512_cvtepu8_epi32(_mm512_castsi512_si128(_mm512_permutexvar_epi8(index, pixels)));
    }
}

template <int N>
TOVIX_CHAIN_TARGET void Offsets(const std::uint8_t* s, ChainChannel* channels, std::int32_t nWidth)
{
    for (std::int32_t x = 0; x < nWidth; x += 16) {
        const __m512i pixels = Pixels<N>(s + N * x, nWidth - x);
#pragma GCC unroll 3
        for (int c = 0; c < N; ++c) {
            const ChainChannel& channel = channels[c];
            __m512i base = _mm512_add_epi32(_mm512_slli_epi32(Channel<N>(pixels, c), 4), _mm512_loadu_si512(channel.above + x));
            base = _mm512_add_epi32(base, _mm512_set1_epi32(8 - channel.nBaseLow));
            _mm512_storeu_si512(channel.offsets + x, _mm512_slli_epi32(base, 5));
        }
    }
}

// A table of sixteen states at most takes the shorter shuffle.
template <bool kNarrow>
TOVIX_CHAIN_TARGET inline __m256i Table(const std::uint8_t* table)
{
    if constexpr (kNarrow) return _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table)));
    else return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(table));
}

// The table's entries at the indexes: a state through a pixel's table, or
// two pixels' tables made one.
template <bool kNarrow>
TOVIX_CHAIN_TARGET inline __m256i Through(__m256i table, __m256i index)
{
    if constexpr (kNarrow)
        return _mm256_castsi128_si256(_mm_shuffle_epi8(_mm256_castsi256_si128(table), _mm256_castsi256_si128(index)));
    else return _mm256_maskz_permutexvar_epi8(~0u, index, table);
}

// Pixels go in pairs: the pair's tables made one beside the chain, so the
// chain waits for one shuffle a pair; the first pixel's state comes from
// the state before the pair beside it too.
template <int N, int kStep, bool kNarrow>
TOVIX_CHAIN_TARGET void Chains(ChainChannel* channels, std::int32_t nWidth)
{
    const std::uint8_t* tables[N];
    const std::int32_t* offsets[N];
    std::uint8_t* states[N];
    __m256i state[N];
    for (int c = 0; c < N; ++c) {
        tables[c] = channels[c].tables;
        offsets[c] = channels[c].offsets;
        states[c] = channels[c].states + 1;
        state[c] = _mm256_set1_epi8(static_cast<char>(-channels[c].nErrorLow));
    }
    std::int32_t x = kStep > 0 ? 0 : nWidth - 1;
    std::int32_t i = 0;
    for (; i + 2 <= nWidth; i += 2, x += 2 * kStep) {
#pragma GCC unroll 3
        for (int c = 0; c < N; ++c) {
            const __m256i first = Table<kNarrow>(tables[c] + offsets[c][x]);
            const __m256i pair = Through<kNarrow>(Table<kNarrow>(tables[c] + offsets[c][x + kStep]), first);
            states[c][x] = static_cast<std::uint8_t>(_mm256_cvtsi256_si32(Through<kNarrow>(first, state[c])));
            state[c] = Through<kNarrow>(pair, state[c]);
            states[c][x + kStep] = static_cast<std::uint8_t>(_mm256_cvtsi256_si32(state[c]));
        }
    }
    if (i < nWidth) {
        for (int c = 0; c < N; ++c) {
            state[c] = Through<kNarrow>(Table<kNarrow>(tables[c] + offsets[c][x]), state[c]);
            states[c][x] = static_cast<std::uint8_t>(_mm256_cvtsi256_si32(state[c]));
        }
    }
}

struct LevelTable {
    __m512i part[4];
};

TOVIX_CHAIN_TARGET inline __m128i Levels(const LevelTable& table, __m512i values)
{
    const __m512i index = _mm512_castsi128_si512(_mm512_cvtepi32_epi8(values));
    const __m512i low = _mm512_permutex2var_epi8(table.part[0], index, table.part[1]);
    const __m512i high = _mm512_permutex2var_epi8(table.part[2], index, table.part[3]);
    return _mm512_castsi512_si128(_mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high));
}

TOVIX_CHAIN_TARGET inline __m512i Errors(const std::uint8_t* states, __m512i low)
{
    return _mm512_add_epi32(_mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(states))), low);
}

template <int N, int kStep>
TOVIX_CHAIN_TARGET void CodesAndErrors(ChainChannel* channels, std::int32_t nWidth, std::uint16_t* d)
{
    LevelTable levels[N];
    for (int c = 0; c < N; ++c)
        for (int k = 0; k < 4; ++k) levels[c].part[k] = _mm512_loadu_si512(channels[c].level + 64 * k);
    for (std::int32_t x = 0; x < nWidth; x += 16) {
        __m256i code = _mm256_setzero_si256();
#pragma GCC unroll 3
        for (int c = 0; c < N; ++c) {
            const ChainChannel& channel = channels[c];
            const __m512i low = _mm512_set1_epi32(channel.nErrorLow);
            const std::uint8_t* states = channel.states + 1 + x;
            const __m512i e = Errors(states, low);
            const __m512i before = Errors(states - kStep, low);
            const __m512i after = Errors(states + kStep, low);
            const __m512i base = _mm512_add_epi32(_mm512_srai_epi32(_mm512_loadu_si512(channel.offsets + x), 5),
                                                  _mm512_set1_epi32(channel.nBaseLow));
            const __m512i ahead = _mm512_sub_epi32(_mm512_slli_epi32(before, 3), before);
            __m512i v = _mm512_srai_epi32(_mm512_add_epi32(base, ahead), 4);
            v = _mm512_min_epi32(_mm512_max_epi32(v, _mm512_setzero_si512()), _mm512_set1_epi32(255));
            const __m256i level = _mm256_cvtepu8_epi16(Levels(levels[c], v));
            code = _mm256_add_epi16(code, _mm256_sll_epi16(level, _mm_cvtsi32_si128(channel.nShift)));
            // 3/16 of the error of the pixel after, 5/16 of its own, 1/16 of the one before.
            __m512i below = _mm512_add_epi32(_mm512_add_epi32(after, after), after);
            below = _mm512_add_epi32(below, _mm512_add_epi32(_mm512_slli_epi32(e, 2), e));
            _mm512_storeu_si512(channel.below + x, _mm512_add_epi32(below, before));
        }
        if (x + 16 <= nWidth) _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), code);
        else _mm256_mask_storeu_epi16(d + x, Lanes(nWidth - x), code);
    }
}

template <int N, int kStep>
TOVIX_CHAIN_TARGET void Row(const std::uint8_t* s, ChainChannel* channels, std::int32_t nWidth, std::uint16_t* d)
{
    Offsets<N>(s, channels, nWidth);
    bool bNarrow = true;
    for (int c = 0; c < N; ++c) bNarrow = bNarrow && channels[c].nStates <= 16;
    if (bNarrow) Chains<N, kStep, true>(channels, nWidth);
    else Chains<N, kStep, false>(channels, nWidth);
    CodesAndErrors<N, kStep>(channels, nWidth, d);
}

} // namespace

bool HasDiffusionChains()
{
    static const bool bHas = (__builtin_cpu_init(), __builtin_cpu_supports("avx512vbmi") &&
                                                         __builtin_cpu_supports("avx512vl") &&
                                                         __builtin_cpu_supports("avx512bw"));
    return bHas;
}

void DiffuseChainRow(const std::uint8_t* s, ChainChannel* channels, int nChannels, std::int32_t nWidth,
                     bool bLeftToRight, std::uint16_t* d)
{
    if (nChannels == 3) bLeftToRight ? Row<3, 1>(s, channels, nWidth, d) : Row<3, -1>(s, channels, nWidth, d);
    else bLeftToRight ? Row<1, 1>(s, channels, nWidth, d) : Row<1, -1>(s, channels, nWidth, d);
}

#pragma GCC diagnostic pop

#else

bool HasDiffusionChains()
{
    return false;
}

void DiffuseChainRow(const std::uint8_t*, ChainChannel*, int, std::int32_t, bool, std::uint16_t*) {}

#endif
