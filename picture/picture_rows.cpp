// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_rows.h"

#include "core/rgb_image.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

// Where EXIF orientation n sends stored pixel (x, y) of a w x h picture.
std::pair<std::int64_t, std::int64_t> Turned(int nOrientation, std::int64_t x, std::int64_t y, std::int64_t w,
                                             std::int64_t h)
{
    switch (nOrientation) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {h - 1 - y, x};
    case 7: return {h - 1 - y, w - 1 - x};
    case 8: return {y, w - 1 - x};
    default: return {x, y};
    }
}

std::uint8_t Blend8(std::uint32_t nColour, std::uint32_t nAlpha, std::uint32_t nBackground)
{
    return static_cast<std::uint8_t>((nColour * nAlpha + nBackground * (255 - nAlpha) + 127) / 255);
}

// round((c × a + b × (65535 − a)) / 65535), then to a byte: one rounding.
std::uint8_t Blend16(std::uint64_t nColour, std::uint64_t nAlpha, std::uint64_t nBackground)
{
    constexpr std::uint64_t kDivisor = 65535ull * 257;
    return static_cast<std::uint8_t>((nColour * nAlpha + nBackground * 257 * (65535 - nAlpha) + kDivisor / 2) / kDivisor);
}

} // namespace

PictureFault PictureRows::Begin(int nWidth, int nHeight, int nOrientation, const ColourLabel& label)
{
    const bool bTransposed = nOrientation >= 5 && nOrientation <= 8;
    const int nShownWidth = bTransposed ? nHeight : nWidth;
    const int nShownHeight = bTransposed ? nWidth : nHeight;
    if (const PictureFault fault = SizeFault(m_limits, nShownWidth, nShownHeight); fault != PictureFault::None) return fault;
    if (nWidth <= 0 || nHeight <= 0) return PictureFault::Corrupt;
    if (const PictureFault fault = SrgbConversion::For(label, m_pConversion); fault != PictureFault::None) return fault;

    // The working bitmap is bottom-up BGR; a picture is top-down RGB, a frame top-down RGBA.
    std::int64_t nStride = 0;
    if (m_pFrames) {
        m_pFrames->nWidth = nShownWidth;
        m_pFrames->nHeight = nShownHeight;
        m_nPixelBytes = 4;
        nStride = 4 * std::int64_t{nShownWidth};
    } else if (m_pPicture) {
        // Out of memory is a refusal, as for the working bitmap: no decoder unwinds.
        try {
            *m_pPicture = RgbImage(nShownWidth, nShownHeight);
        } catch (const std::bad_alloc&) {
            return PictureFault::CannotOpen;
        }
        nStride = 3 * std::int64_t{nShownWidth};
    } else {
        if (!m_pImage->Create(nShownWidth, nShownHeight)) return PictureFault::CannotOpen;
        nStride = m_pImage->GetStride();
    }
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    auto offset = [&](std::int64_t x, std::int64_t y) {
        const auto [tx, ty] = Turned(nOrientation, x, y, nWidth, nHeight);
        return (m_pImage ? nShownHeight - 1 - ty : ty) * nStride + m_nPixelBytes * tx;
    };
    m_nOrigin = offset(0, 0);
    m_nStepX = offset(1, 0) - m_nOrigin;
    m_nStepY = offset(0, 1) - m_nOrigin;
    m_bAsStored = nOrientation < 2 || nOrientation > 8;
    m_row.resize(static_cast<std::size_t>(m_nPixelBytes) * nWidth);
    if (m_pConversion) m_wide.resize(4 * static_cast<std::size_t>(nWidth));
    return PictureFault::None;
}

PictureFault PictureRows::CheckFrameCount(std::int64_t nFrames) const
{
    const std::int64_t nFrameBytes = 4 * std::int64_t{m_nWidth} * m_nHeight;
    if (m_bEveryFrame && nFrames > kFramesMemoryLimit / nFrameBytes) return PictureFault::TooManyFrames;
    return PictureFault::None;
}

std::uint8_t* PictureRows::Target()
{
    if (m_pImage) return m_pImage->m_pSrcBits;
    if (m_pPicture) return m_pPicture->rgb.data();
    if (m_frame.empty()) m_frame.resize(4 * static_cast<std::size_t>(m_nWidth) * m_nHeight);
    return m_frame.data();
}

std::uint8_t* PictureRows::DirectBgrRow(int y)
{
    if (!m_bAsStored || m_pConversion || !m_pImage) return nullptr;
    return m_pImage->m_pSrcBits + m_nOrigin + y * m_nStepY;
}

void PictureRows::Put(int y, const void* pRow, Layout layout)
{
    pRow = Converted(pRow, layout);
    std::uint8_t* pTarget = Target() + m_nOrigin + y * m_nStepY;
    std::uint8_t* pOut = m_bAsStored ? pTarget : m_row.data();
    if (m_pFrames) Straighten(pRow, layout, pOut);
    else if (m_pPicture) Flatten<true>(pRow, layout, pOut);
    else Flatten<false>(pRow, layout, pOut);
    if (m_bAsStored) return;
    for (int x = 0; x < m_nWidth; ++x, pTarget += m_nStepX) std::memcpy(pTarget, &m_row[m_nPixelBytes * x], m_nPixelBytes);
}

const void* PictureRows::Converted(const void* pRow, Layout& layout)
{
    if (!m_pConversion) return pRow;
    // Widened to 16 bits, so that converted colours are rounded once, at the blend.
    std::uint16_t* pWide = m_wide.data();
    for (int x = 0; x < m_nWidth; ++x) {
        for (int i = 0; i < 4; ++i) {
            switch (layout) {
            case Layout::Rgb8:
                pWide[4 * x + i] = i == 3 ? 65535 : static_cast<std::uint16_t>(257 * static_cast<const std::uint8_t*>(pRow)[3 * x + i]);
                break;
            case Layout::Rgba8:
                pWide[4 * x + i] = static_cast<std::uint16_t>(257 * static_cast<const std::uint8_t*>(pRow)[4 * x + i]);
                break;
            case Layout::Rgba16: pWide[4 * x + i] = static_cast<const std::uint16_t*>(pRow)[4 * x + i]; break;
            }
        }
    }
    m_pConversion->Convert(pWide, m_nWidth);
    layout = Layout::Rgba16;
    return pWide;
}

template <bool kRgbOrder>
void PictureRows::Flatten(const void* pRow, Layout layout, std::uint8_t* pOut)
{
    constexpr int R = kRgbOrder ? 0 : 2, G = 1, B = 2 - R;
    const int n = m_nWidth;
    const BackgroundColor& bg = m_background;
    switch (layout) {
    case Layout::Rgb8: {
        const auto* p = static_cast<const std::uint8_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 3, pOut += 3) pOut[B] = p[2], pOut[G] = p[1], pOut[R] = p[0];
        break;
    }
    case Layout::Rgba8: {
        const auto* p = static_cast<const std::uint8_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 4, pOut += 3) {
            const std::uint32_t a = p[3];
            if (a == 255) {
                pOut[B] = p[2], pOut[G] = p[1], pOut[R] = p[0];
                continue;
            }
            pOut[B] = Blend8(p[2], a, bg.b), pOut[G] = Blend8(p[1], a, bg.g), pOut[R] = Blend8(p[0], a, bg.r);
        }
        break;
    }
    case Layout::Rgba16: {
        const auto* p = static_cast<const std::uint16_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 4, pOut += 3) {
            const std::uint64_t a = p[3];
            pOut[B] = Blend16(p[2], a, bg.b), pOut[G] = Blend16(p[1], a, bg.g), pOut[R] = Blend16(p[0], a, bg.r);
        }
        break;
    }
    }
}

void PictureRows::Straighten(const void* pRow, Layout layout, std::uint8_t* pRgba)
{
    for (int x = 0; x < m_nWidth; ++x, pRgba += 4) {
        switch (layout) {
        case Layout::Rgb8:
            std::memcpy(pRgba, static_cast<const std::uint8_t*>(pRow) + 3 * x, 3);
            pRgba[3] = 255;
            break;
        case Layout::Rgba8: std::memcpy(pRgba, static_cast<const std::uint8_t*>(pRow) + 4 * x, 4); break;
        case Layout::Rgba16:
            for (int i = 0; i < 4; ++i)
                pRgba[i] = static_cast<std::uint8_t>((static_cast<const std::uint16_t*>(pRow)[4 * x + i] * 255u + 32767) / 65535);
            break;
        }
        if (pRgba[3] == 0) std::memset(pRgba, 0, 4);
    }
}

void PictureRows::Finish(int nDelayMs)
{
    if (m_pFrames) {
        Target();   // rows no decoder put stay transparent
        m_pFrames->frames.push_back({std::move(m_frame), nDelayMs});
        m_frame.clear();
        return;
    }
    if (m_pPicture) return;
    std::memcpy(m_pImage->m_pDispBits, m_pImage->m_pSrcBits,
                static_cast<std::size_t>(m_pImage->GetStride() * m_pImage->GetHeight()));
}
