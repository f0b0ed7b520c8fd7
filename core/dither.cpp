// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dither.h"

#include "core/diffusion_chain.h"
#include "core/ordered_rows.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

// The Bayer 8 x 8 index matrix, 0..63, row by row.
constexpr std::array<std::uint8_t, 64> MakeBayer()
{
    std::array<std::uint8_t, 64> m{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            // The bits of x ^ y and y interleaved, their lowest bits highest.
            int v = 0;
            for (int bit = 0; bit < 3; ++bit)
                v = v << 2 | (((x ^ y) >> bit & 1) << 1) | (y >> bit & 1);
            m[y * 8 + x] = static_cast<std::uint8_t>(v);
        }
    }
    return m;
}
constexpr std::array<std::uint8_t, 64> kBayer = MakeBayer();

// The codes of a picture, grown by a row just before the row is coded, so
// that the vector zeroes each row while it is in the cache instead of the
// whole plane in a pass of its own.
class CodeRows {
public:
    CodeRows(std::int32_t nWidth, std::int32_t nHeight) : m_nWidth(std::size_t(nWidth))
    {
        m_codes.reserve(m_nWidth * std::size_t(nHeight));
    }

    std::uint16_t* Next()
    {
        m_codes.resize(m_codes.size() + m_nWidth);
        return m_codes.data() + m_codes.size() - m_nWidth;
    }

    std::vector<std::uint16_t> Take() { return std::move(m_codes); }

private:
    std::size_t m_nWidth;
    std::vector<std::uint16_t> m_codes;
};

// Error diffusion kernels, weights in units of 2^kShift of the error. The
// shares for this row and the row below are summed in registers, so each
// error row entry is written once (added to once, for Atkinson's middle
// row) instead of once a tap; kStep is the distance to the next pixel in
// the direction of the run.
struct FloydSteinberg {
    static constexpr int kShift = 4;
    struct State {
        int nAhead = 0, nBelow = 0, nBelowAhead = 0;
    };
    template <int kStep>
    static void Give(State& s, int e, int* below, int*)
    {
        below[-kStep] = s.nBelow + 3 * e;   // the pixel behind, down, is complete
        s.nBelow = s.nBelowAhead + 5 * e;
        s.nBelowAhead = e;
        s.nAhead = 7 * e;
    }
    static void Finish(const State& s, int* below) { below[0] = s.nBelow; }
};

struct Atkinson {
    static constexpr int kShift = 3;
    struct State {
        int nAhead = 0, nAhead2 = 0, nBelow = 0, nBelowAhead = 0;
    };
    template <int kStep>
    static void Give(State& s, int e, int* below, int* below2)
    {
        below[-kStep] += s.nBelow + e;   // on top of the share from two rows up
        s.nBelow = s.nBelowAhead + e;
        s.nBelowAhead = e;
        s.nAhead = s.nAhead2 + e;
        s.nAhead2 = e;
        below2[0] = e;
    }
    static void Finish(const State& s, int* below) { below[0] += s.nBelow; }
};

// A value with diffused error lies within one full swing of 0..255.
constexpr int kMargin = 256;
constexpr int kReach = 256 + 2 * kMargin;

// A level quantiser as lookups of the value with its error: the code's
// share and the error left, of the value clamped to 0..255. The error has
// a table of its own, so that the next pixel waits for one load only.
template <int N>
struct DiffusionTables {
    std::array<std::array<std::uint16_t, kReach>, N> code;
    std::array<std::array<std::int16_t, kReach>, N> error;

    explicit DiffusionTables(const LevelQuantiser<N>& quantiser)
    {
        for (int c = 0; c < N; ++c) {
            const LevelRule& rule = quantiser.channels[c];
            for (int i = 0; i < kReach; ++i) {
                const int v = std::clamp(i - kMargin, 0, 255);
                const int nLevel = rule.level[v];
                code[c][i] = static_cast<std::uint16_t>(nLevel << rule.nShift);
                error[c][i] = static_cast<std::int16_t>(v - rule.shown[nLevel]);
            }
        }
    }

    std::uint16_t operator()(const int (&v)[N], int (&e)[N]) const
    {
        unsigned nCode = 0;
#pragma GCC unroll 3
        for (int c = 0; c < N; ++c) {
            nCode += code[c][v[c] + kMargin];
            e[c] = error[c][v[c] + kMargin];
        }
        return static_cast<std::uint16_t>(nCode);
    }
};

// A quantiser that sees the whole colour at once, on values clamped to 0..255.
template <class Quantiser>
struct WholeColour {
    const Quantiser& quantiser;

    std::uint16_t operator()(const int (&v)[3], int (&e)[3]) const
    {
        const int r = std::clamp(v[0], 0, 255), g = std::clamp(v[1], 0, 255), b = std::clamp(v[2], 0, 255);
        const std::uint16_t nCode = quantiser.Code(r, g, b);
        const Rgb shown = quantiser.Shown(nCode);
        e[0] = r - shown.r;
        e[1] = g - shown.g;
        e[2] = b - shown.b;
        return nCode;
    }
};

// Error rows padded by two pixels each side, so shares beyond the edges
// need no checks; three of them, for shares up to two rows down.
template <int N, class Kernel, class Quantise>
class Diffusion {
public:
    Diffusion(const std::uint8_t* pixels, std::int32_t nWidth, const Quantise& quantise)
        : m_pixels(pixels), m_nWidth(nWidth), m_quantise(quantise), m_errors(3 * RowLength())
    {
    }

    void Row(std::int32_t y, std::uint16_t* d)
    {
        int* rows[3];
        for (int k = 0; k < 3; ++k) rows[k] = m_errors.data() + ((y + k) % 3) * RowLength() + 2 * N;
        const std::size_t nFirst = std::size_t(y) * std::size_t(m_nWidth);
        if (y % 2 == 0) Run<1>(m_pixels + nFirst * N, d, rows);
        else Run<-1>(m_pixels + nFirst * N, d, rows);
    }

private:
    std::size_t RowLength() const { return (std::size_t(m_nWidth) + 4) * N; }

    template <int kDirection>
    void Run(const std::uint8_t* s, std::uint16_t* d, int* const (&rows)[3])
    {
        constexpr int kHalf = 1 << (Kernel::kShift - 1);
        typename Kernel::State state[N];
        std::int32_t x = kDirection > 0 ? 0 : m_nWidth - 1;
        for (std::int32_t i = 0; i < m_nWidth; ++i, x += kDirection) {
            const std::int32_t p = x * N;
            int v[N], e[N];
            // The pixel's own value scaled up and added first, so that only
            // one addition and a shift wait for the previous pixel's error.
#pragma GCC unroll 3
            for (int c = 0; c < N; ++c) {
                const int nBase = (s[p + c] << Kernel::kShift) + rows[0][p + c] + kHalf;
                v[c] = (nBase + state[c].nAhead) >> Kernel::kShift;
            }
            d[x] = m_quantise(v, e);
#pragma GCC unroll 3
            for (int c = 0; c < N; ++c)
                Kernel::template Give<kDirection * N>(state[c], e[c], rows[1] + p + c, rows[2] + p + c);
        }
        x -= kDirection;
        for (int c = 0; c < N; ++c) Kernel::Finish(state[c], rows[1] + x * N + c);
    }

    const std::uint8_t* m_pixels;
    std::int32_t m_nWidth;
    const Quantise& m_quantise;
    std::vector<int> m_errors;
};

template <int N, class Quantise>
void Diffuse(const std::uint8_t* pixels, std::int32_t nWidth, std::int32_t nHeight, const Quantise& quantise,
             DitherMethod method, CodeRows& codes)
{
    auto run = [&](auto kernel) {
        Diffusion<N, decltype(kernel), Quantise> diffusion(pixels, nWidth, quantise);
        for (std::int32_t y = 0; y < nHeight; ++y) diffusion.Row(y, codes.Next());
    };
    if (method == DitherMethod::Atkinson) run(Atkinson{});
    else run(FloydSteinberg{});
}

// Floyd-Steinberg on the state machines of diffusion_chain.h, for level
// quantisers whose channels each leave at most kChainStates errors. The
// codes are exactly those of the pixel-by-pixel kernel.
template <int N>
class ChainDiffusion {
public:
    static std::unique_ptr<ChainDiffusion> For(const LevelQuantiser<N>& quantiser, std::int32_t nWidth)
    {
        auto diffusion = std::unique_ptr<ChainDiffusion>(new ChainDiffusion(nWidth));
        for (int c = 0; c < N; ++c)
            if (!diffusion->Take(quantiser.channels[c], c)) return nullptr;
        return diffusion;
    }

    void Row(const std::uint8_t* s, std::uint16_t* d, bool bLeftToRight)
    {
        DiffuseChainRow(s, m_chains, N, m_nWidth, bLeftToRight, d);
        for (ChainChannel& chain : m_chains) std::swap(chain.above, chain.below);
    }

private:
    explicit ChainDiffusion(std::int32_t nWidth) : m_nWidth(nWidth) {}

    static int Error(const LevelRule& rule, int v) { return v - rule.shown[rule.level[v]]; }

    bool Take(const LevelRule& rule, int c)
    {
        int nErrorLow = 0, nErrorHigh = 0;
        for (int v = 0; v < 256; ++v) {
            nErrorLow = std::min(nErrorLow, Error(rule, v));
            nErrorHigh = std::max(nErrorHigh, Error(rule, v));
        }
        const int nStates = nErrorHigh - nErrorLow + 1;
        if (nStates > kChainStates) return false;
        // A base holds the value and the error from the row above (9
        // sixteenths of one at most) in sixteenths, and a half.
        const int nBaseLow = 9 * nErrorLow + 8, nBaseHigh = 255 * 16 + 9 * nErrorHigh + 8;
        Buffers& buffers = m_buffers[c];
        buffers.tables.assign(std::size_t(nBaseHigh - nBaseLow + 1) * kChainStates, 0);
        for (int b = nBaseLow; b <= nBaseHigh; ++b) {
            std::uint8_t* table = buffers.tables.data() + std::size_t(b - nBaseLow) * kChainStates;
            for (int k = 0; k < nStates; ++k) {
                const int v = std::clamp((b + 7 * (k + nErrorLow)) >> 4, 0, 255);
                table[k] = static_cast<std::uint8_t>(Error(rule, v) - nErrorLow);
            }
        }
        const std::size_t nRoom = std::size_t(m_nWidth) + kChainSpare;
        buffers.errors.assign(2 * nRoom, 0);
        buffers.offsets.resize(nRoom);
        buffers.states.assign(nRoom + 2, static_cast<std::uint8_t>(-nErrorLow));
        m_chains[c] = {buffers.tables.data(), nBaseLow, nErrorLow, nStates, rule.level.data(), rule.nShift,
                       buffers.errors.data(), buffers.errors.data() + nRoom, buffers.offsets.data(),
                       buffers.states.data()};
        return true;
    }

    struct Buffers {
        std::vector<std::uint8_t> tables;
        std::vector<std::int32_t> errors;   // from above and for below
        std::vector<std::int32_t> offsets;
        std::vector<std::uint8_t> states;
    };

    std::int32_t m_nWidth;
    Buffers m_buffers[N];
    ChainChannel m_chains[N];
};

// Codes every pixel by the Bayer cell it falls on: what fastRow codes of a
// row (a count of pixels from its start), then the rest by pick.
template <int N, class FastRow, class Pick>
void Ordered(const std::uint8_t* s, std::int32_t nWidth, std::int32_t nHeight, CodeRows& codes, const FastRow& fastRow,
             const Pick& pick)
{
    const std::ptrdiff_t nRow = std::ptrdiff_t(nWidth) * N;
    for (std::int32_t y = 0; y < nHeight; ++y, s += nRow) {
        std::uint16_t* d = codes.Next();
        const std::uint8_t* cells = kBayer.data() + (y & 7) * 8;
        for (std::int32_t x = fastRow(s, d, cells); x < nWidth; ++x) d[x] = pick(cells[x & 7], s + x * N);
    }
}

// Ordered dithering of a level quantiser: a value between two shown levels
// takes the upper one at the share of Bayer cells its distance from the
// lower one gives, so a flat area keeps its mean whatever the thresholds,
// as error diffusion does, and a shown level stays flat.
struct OrderedBracket {
    int nLow, nHigh;
    int nAbove, nSpan;   // the value's distance from the lower shown value, and the upper's

    OrderedBracket(const LevelRule& rule, int v)
    {
        const int nLevels = static_cast<int>(rule.shown.size());
        const auto first = rule.shown.begin(), last = rule.shown.end();
        // The last level shown at v or below, the first at v or above.
        nLow = std::max(0, static_cast<int>(std::upper_bound(first, last, v) - first) - 1);
        nHigh = std::min(nLevels - 1, static_cast<int>(std::lower_bound(first, last, v) - first));
        if (rule.shown[nHigh] < v) nHigh = nLow;
        if (rule.shown[nLow] > v) nLow = nHigh;
        nAbove = v - rule.shown[nLow];
        nSpan = rule.shown[nHigh] - rule.shown[nLow];
    }

    int Level(int nCell) const { return nAbove * 128 > (2 * nCell + 1) * nSpan ? nHigh : nLow; }
};

template <int N>
struct OrderedTables {
    std::array<std::array<std::array<std::uint16_t, 256>, N>, 64> code;   // by Bayer cell, channel, value

    explicit OrderedTables(const LevelQuantiser<N>& quantiser)
    {
        for (int c = 0; c < N; ++c) {
            const LevelRule& rule = quantiser.channels[c];
            for (int v = 0; v < 256; ++v) {
                const OrderedBracket bracket(rule, v);
                for (int cell = 0; cell < 64; ++cell)
                    code[cell][c][v] = static_cast<std::uint16_t>(bracket.Level(cell) << rule.nShift);
            }
        }
    }
};

// Levels a fixed step S apart from 0 (5-6-5 truncated, grey levels) as
// arithmetic for the vector kernels: the upper level from a distance of
// ((2 x cell + 1) x S / 128) + 1 above the lower one, so the level is
// (value + S minus that) / S, the division a multiplication; the sum held
// at 255 stands for the top level where S x levels passes 255.
template <int N>
struct EvenSteps {
    EvenStepRow rows[N];                                  // offsets filled in for each row
    std::array<std::array<std::uint8_t, 64>, N> offset;   // by channel, Bayer cell
};

// The quantiser's levels as even steps, kept only when they give every
// level the brackets give, so that the output never depends on which
// kernel ran.
template <int N>
std::optional<EvenSteps<N>> EvenStepsOf(const LevelQuantiser<N>& quantiser)
{
    EvenSteps<N> steps{};
    for (int c = 0; c < N; ++c) {
        const LevelRule& rule = quantiser.channels[c];
        const int nStep = rule.shown.size() < 2 ? 0 : rule.shown[1] - rule.shown[0];
        if (nStep < 2) return std::nullopt;   // the multiplier would not fit 16 bits
        EvenStepRow& row = steps.rows[c];
        row.nMagic = static_cast<std::uint16_t>((65536 + nStep - 1) / nStep);
        row.nShift = rule.nShift;
        for (int cell = 0; cell < 64; ++cell)
            steps.offset[c][cell] = static_cast<std::uint8_t>(nStep - ((2 * cell + 1) * nStep / 128 + 1));
        for (int v = 0; v < 256; ++v) {
            const OrderedBracket bracket(rule, v);
            for (int cell = 0; cell < 64; ++cell) {
                if (bracket.Level(cell) != std::min(255, v + steps.offset[c][cell]) * row.nMagic >> 16) return std::nullopt;
            }
        }
    }
    return steps;
}

template <int N>
void OrderedLevels(const std::uint8_t* s, std::int32_t nWidth, std::int32_t nHeight, const LevelQuantiser<N>& quantiser,
                   CodeRows& codes)
{
    std::optional<EvenSteps<N>> steps = EvenStepsOf(quantiser);
    // Made for the first pixel the vector kernels leave, if any.
    std::unique_ptr<OrderedTables<N>> tables;
    const auto fastRow = [&](const std::uint8_t* row, std::uint16_t* out, const std::uint8_t* cells) -> std::int32_t {
        if (!steps) return 0;
        for (int c = 0; c < N; ++c)
            for (int k = 0; k < 16; ++k) steps->rows[c].offset[k] = steps->offset[c][cells[k & 7]];
        if constexpr (N == 3) return OrderedEvenStepsRgb(row, out, nWidth, steps->rows);
        else return OrderedEvenStepsGrey(row, out, nWidth, steps->rows[0]);
    };
    Ordered<N>(s, nWidth, nHeight, codes, fastRow, [&](int nCell, const std::uint8_t* pixel) {
        if (!tables) tables = std::make_unique<OrderedTables<N>>(quantiser);
        const auto& cell = tables->code[nCell];
        std::uint16_t nCode = cell[0][pixel[0]];
#pragma GCC unroll 3
        for (int c = 1; c < N; ++c) nCode = static_cast<std::uint16_t>(nCode + cell[c][pixel[c]]);
        return nCode;
    });
}

// The same offset on all three channels, up to half the swing from black to
// white either way, so the thresholds keep their say.
int MonoOffset(int nCell)
{
    return (2 * nCell + 1 - 64) * 255 / 128;
}

// Two colours by the per-channel thresholds.
void OrderedWhole(const std::uint8_t* s, std::int32_t nWidth, std::int32_t nHeight, const MonoChannelRule& rule,
                  CodeRows& codes)
{
    const Thresholds& t = rule.GetThresholds();
    const int channelThresholds[3] = {t.r, t.g, t.b};
    const auto fastRow = [&](const std::uint8_t* row, std::uint16_t* out, const std::uint8_t* cells) {
        // A channel r + offset < t is r < t - offset; outside -1..256 any
        // bound says the same of 0..255, and fits 16 bits.
        std::int16_t thresholds[3][16];
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 16; ++k)
                thresholds[c][k] = static_cast<std::int16_t>(
                    std::clamp(std::int64_t{channelThresholds[c]} - MonoOffset(cells[k & 7]), std::int64_t{-1}, std::int64_t{256}));
        return OrderedBelowThresholds(row, out, nWidth, thresholds);
    };
    Ordered<3>(s, nWidth, nHeight, codes, fastRow, [&](int nCell, const std::uint8_t* pixel) {
        const int o = MonoOffset(nCell);
        return rule.Code(pixel[0] + o, pixel[1] + o, pixel[2] + o);
    });
}

// A palette: the bracketing colour where the colour's position on the line
// toward it passes the cell's index.
void OrderedWhole(const std::uint8_t* s, std::int32_t nWidth, std::int32_t nHeight, const PaletteQuantiser& palette,
                  CodeRows& codes)
{
    const auto none = [](const std::uint8_t*, std::uint16_t*, const std::uint8_t*) { return std::int32_t{0}; };
    Ordered<3>(s, nWidth, nHeight, codes, none, [&](int nCell, const std::uint8_t* pixel) {
        const PaletteQuantiser::Pair pair = palette.Bracket(pixel[0], pixel[1], pixel[2]);
        return pair.nPosition > 2 * nCell + 1 ? pair.nSecond : pair.nNearest;
    });
}

template <int N>
std::vector<std::uint16_t> DitherLevels(const std::uint8_t* pixels, std::int32_t nWidth, std::int32_t nHeight,
                                        const LevelQuantiser<N>& quantiser, DitherMethod method)
{
    CodeRows codes(nWidth, nHeight);
    switch (method) {
    case DitherMethod::None:
        for (std::int32_t y = 0; y < nHeight; ++y) {
            std::uint16_t* d = codes.Next();
            for (std::int32_t x = 0; x < nWidth; ++x, pixels += N) {
                unsigned nCode = 0;
                for (int c = 0; c < N; ++c) {
                    const LevelRule& rule = quantiser.channels[c];
                    nCode += unsigned(rule.level[pixels[c]]) << rule.nShift;
                }
                d[x] = static_cast<std::uint16_t>(nCode);
            }
        }
        break;
    case DitherMethod::Ordered: OrderedLevels(pixels, nWidth, nHeight, quantiser, codes); break;
    case DitherMethod::FloydSteinberg:
        if (HasDiffusionChains()) {
            if (const auto chains = ChainDiffusion<N>::For(quantiser, nWidth)) {
                for (std::int32_t y = 0; y < nHeight; ++y)
                    chains->Row(pixels + std::size_t(y) * std::size_t(nWidth) * N, codes.Next(), y % 2 == 0);
                break;
            }
        }
        [[fallthrough]];
    case DitherMethod::Atkinson: {
        const auto tables = std::make_unique<DiffusionTables<N>>(quantiser);
        Diffuse<N>(pixels, nWidth, nHeight, *tables, method, codes);
        break;
    }
    }
    return codes.Take();
}

template <class Quantiser>
std::vector<std::uint16_t> DitherWhole(const RgbImage& picture, const Quantiser& quantiser, DitherMethod method)
{
    CodeRows codes(picture.nWidth, picture.nHeight);
    const std::uint8_t* s = picture.rgb.data();
    switch (method) {
    case DitherMethod::None:
        for (std::int32_t y = 0; y < picture.nHeight; ++y) {
            std::uint16_t* d = codes.Next();
            for (std::int32_t x = 0; x < picture.nWidth; ++x, s += 3) d[x] = quantiser.Code(s[0], s[1], s[2]);
        }
        break;
    case DitherMethod::Ordered: OrderedWhole(s, picture.nWidth, picture.nHeight, quantiser, codes); break;
    case DitherMethod::FloydSteinberg:
    case DitherMethod::Atkinson:
        Diffuse<3>(s, picture.nWidth, picture.nHeight, WholeColour<Quantiser>{quantiser}, method, codes);
        break;
    }
    return codes.Take();
}

} // namespace

std::optional<DitherMethod> DitherMethodNamed(std::string_view name)
{
    if (name == "none") return DitherMethod::None;
    if (name == "floyd-steinberg") return DitherMethod::FloydSteinberg;
    if (name == "atkinson") return DitherMethod::Atkinson;
    if (name == "ordered") return DitherMethod::Ordered;
    return std::nullopt;
}

std::vector<std::uint16_t> Dither(const RgbImage& picture, const ColourLevels& quantiser, DitherMethod method)
{
    return DitherLevels(picture.rgb.data(), picture.nWidth, picture.nHeight, quantiser, method);
}

std::vector<std::uint16_t> Dither(const GreyImage& picture, const GreyLevels& quantiser, DitherMethod method)
{
    return DitherLevels(picture.grey.data(), picture.nWidth, picture.nHeight, quantiser, method);
}

std::vector<std::uint16_t> Dither(const RgbImage& picture, const MonoChannelRule& quantiser, DitherMethod method)
{
    return DitherWhole(picture, quantiser, method);
}

std::vector<std::uint16_t> Dither(const RgbImage& picture, const PaletteQuantiser& quantiser, DitherMethod method)
{
    return DitherWhole(picture, quantiser, method);
}
