// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_rows.h"

#include <cstring>
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
    if (nShownWidth > CDibImage::kMaxSide) return PictureFault::TooWide;
    if (nShownHeight > CDibImage::kMaxSide) return PictureFault::TooHigh;
    if (nWidth <= 0 || nHeight <= 0) return PictureFault::Corrupt;
    if (const PictureFault fault = SrgbConversion::For(label, m_pConversion); fault != PictureFault::None) return fault;
    if (!m_image.Create(nShownWidth, nShownHeight)) return PictureFault::CannotOpen;

    m_nWidth = nWidth;
    m_nHeight = nHeight;
    const std::int64_t nStride = m_image.GetStride();
    auto offset = [&](std::int64_t x, std::int64_t y) {
        const auto [tx, ty] = Turned(nOrientation, x, y, nWidth, nHeight);
        return (nShownHeight - 1 - ty) * nStride + 3 * tx;
    };
    m_nOrigin = offset(0, 0);
    m_nStepX = offset(1, 0) - m_nOrigin;
    m_nStepY = offset(0, 1) - m_nOrigin;
    m_bAsStored = nOrientation < 2 || nOrientation > 8;
    if (m_pAlpha != nullptr) {
        auto place = [&](std::int64_t x, std::int64_t y) {
            const auto [tx, ty] = Turned(nOrientation, x, y, nWidth, nHeight);
            return ty * nShownWidth + tx;
        };
        m_pAlpha->assign(static_cast<std::size_t>(nShownWidth) * static_cast<std::size_t>(nShownHeight), 0xFF);
        m_nAlphaOrigin = place(0, 0);
        m_nAlphaStepX = place(1, 0) - m_nAlphaOrigin;
        m_nAlphaStepY = place(0, 1) - m_nAlphaOrigin;
        m_opaque.resize(4 * static_cast<std::size_t>(nWidth));
    }
    m_bgr.resize(3 * static_cast<std::size_t>(nWidth));
    if (m_pConversion) m_wide.resize(4 * static_cast<std::size_t>(nWidth));
    return PictureFault::None;
}

std::uint8_t* PictureRows::DirectBgrRow(int y)
{
    if (!m_bAsStored || m_pConversion) return nullptr;
    return m_image.m_pSrcBits + m_nOrigin + y * m_nStepY;
}

void PictureRows::Put(int y, const void* pRow, Layout layout)
{
    if (m_pAlpha != nullptr) pRow = TakeAlpha(y, pRow, layout);
    if (m_bAsStored) {
        Flatten(pRow, layout, m_image.m_pSrcBits + m_nOrigin + y * m_nStepY);
        return;
    }
    Flatten(pRow, layout, m_bgr.data());
    std::uint8_t* pTarget = m_image.m_pSrcBits + m_nOrigin + y * m_nStepY;
    for (int x = 0; x < m_nWidth; ++x, pTarget += m_nStepX) std::memcpy(pTarget, &m_bgr[3 * x], 3);
}

void PictureRows::Flatten(const void* pRow, Layout layout, std::uint8_t* pBgr)
{
    const int n = m_nWidth;
    const BackgroundColor& bg = m_background;
    if (m_pConversion) {
        // Widened to 16 bits, so that converted colours are rounded once, at the blend.
        std::uint16_t* pWide = m_wide.data();
        for (int x = 0; x < n; ++x) {
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
        m_pConversion->Convert(pWide, n);
        pRow = pWide;
        layout = Layout::Rgba16;
    }
    switch (layout) {
    case Layout::Rgb8: {
        const auto* p = static_cast<const std::uint8_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 3, pBgr += 3) pBgr[0] = p[2], pBgr[1] = p[1], pBgr[2] = p[0];
        break;
    }
    case Layout::Rgba8: {
        const auto* p = static_cast<const std::uint8_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 4, pBgr += 3) {
            const std::uint32_t a = p[3];
            if (a == 255) {
                pBgr[0] = p[2], pBgr[1] = p[1], pBgr[2] = p[0];
                continue;
            }
            pBgr[0] = Blend8(p[2], a, bg.b), pBgr[1] = Blend8(p[1], a, bg.g), pBgr[2] = Blend8(p[0], a, bg.r);
        }
        break;
    }
    case Layout::Rgba16: {
        const auto* p = static_cast<const std::uint16_t*>(pRow);
        for (int x = 0; x < n; ++x, p += 4, pBgr += 3) {
            const std::uint64_t a = p[3];
            pBgr[0] = Blend16(p[2], a, bg.b), pBgr[1] = Blend16(p[1], a, bg.g), pBgr[2] = Blend16(p[0], a, bg.r);
        }
        break;
    }
    }
}

const void* PictureRows::TakeAlpha(int y, const void* pRow, Layout layout)
{
    if (layout == Layout::Rgb8) return pRow;
    std::uint8_t* pPlane = m_pAlpha->data() + m_nAlphaOrigin + y * m_nAlphaStepY;
    if (layout == Layout::Rgba8) {
        auto* pOpaque = reinterpret_cast<std::uint8_t*>(m_opaque.data());
        std::memcpy(pOpaque, pRow, 4 * static_cast<std::size_t>(m_nWidth));
        for (int x = 0; x < m_nWidth; ++x, pPlane += m_nAlphaStepX) {
            *pPlane = pOpaque[4 * x + 3];
            pOpaque[4 * x + 3] = 255;
        }
        return pOpaque;
    }
    std::memcpy(m_opaque.data(), pRow, 8 * static_cast<std::size_t>(m_nWidth));
    for (int x = 0; x < m_nWidth; ++x, pPlane += m_nAlphaStepX) {
        *pPlane = static_cast<std::uint8_t>((m_opaque[4 * x + 3] * 255u + 32767) / 65535);
        m_opaque[4 * x + 3] = 65535;
    }
    return m_opaque.data();
}

void PictureRows::Finish()
{
    std::memcpy(m_image.m_pDispBits, m_image.m_pSrcBits,
                static_cast<std::size_t>(m_image.GetStride() * m_image.GetHeight()));
}
