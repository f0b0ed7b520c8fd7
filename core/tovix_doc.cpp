#include "tovix_doc.h"

#include "archive.h"

namespace {

// Pixel count of a picture, or -1 when it does not fit the store.
std::int64_t StoredPixelCount(std::int64_t nWidth, std::int64_t nHeight)
{
    if (nWidth < 0 || nHeight < 0) return -1;
    const std::int64_t nCount = nWidth * nHeight;
    return nCount <= CTOVIXDoc::kPixelCapacity ? nCount : -1;
}

// Rows to copy: a document file may claim billions of rows of no columns,
// which hold no pixel and must not cost a pass each.
std::int32_t RowsWithPixels(std::int32_t nWidth, std::int32_t nHeight)
{
    return nWidth > 0 ? nHeight : 0;
}

} // namespace

bool CTOVIXDoc::PictureFitsStore() const
{
    return !m_bLoaded || StoredPixelCount(m_image.GetWidth(), m_image.GetHeight()) >= 0;
}

bool CTOVIXDoc::CopyBitmapToPixels()
{
    if (!m_bLoaded) return true;
    if (!PictureFitsStore()) return false;

    m_nWidth = m_image.GetWidth();
    m_nHeight = m_image.GetHeight();
    const std::int64_t nStride = m_image.GetStride();
    for (std::int32_t r = 0; r < RowsWithPixels(m_nWidth, m_nHeight); ++r) {
        const std::uint8_t* p = m_image.m_pSrcBits + (m_nHeight - 1 - r) * nStride;
        std::uint32_t* pEntry = PixelArray + static_cast<std::int64_t>(r) * m_nWidth;
        for (std::int32_t c = 0; c < m_nWidth; ++c, p += 3)
            pEntry[c] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
    return true;
}

bool CTOVIXDoc::CopyPixelsToBitmap()
{
    if (!m_image.Create(m_nWidth, m_nHeight)) return false;

    const std::int64_t nStride = m_image.GetStride();
    for (std::int32_t r = 0; r < RowsWithPixels(m_nWidth, m_nHeight); ++r) {
        const std::int64_t nRowOffset = (m_nHeight - 1 - r) * nStride;
        std::uint8_t* pDisp = m_image.m_pDispBits + nRowOffset;
        std::uint8_t* pSrc = m_image.m_pSrcBits + nRowOffset;
        const std::uint32_t* pEntry = PixelArray + static_cast<std::int64_t>(r) * m_nWidth;
        for (std::int32_t c = 0; c < m_nWidth; ++c, pDisp += 3, pSrc += 3) {
            pSrc[0] = pDisp[0] = static_cast<std::uint8_t>(pEntry[c] >> 16);
            pSrc[1] = pDisp[1] = static_cast<std::uint8_t>(pEntry[c] >> 8);
            pSrc[2] = pDisp[2] = static_cast<std::uint8_t>(pEntry[c]);
        }
    }
    return true;
}

PixelEncoder CTOVIXDoc::MakeEncoder() const
{
    return PixelEncoder(m_nColorMode, m_nThresholdR, m_nThresholdG, m_nThresholdB);
}

std::uint32_t CTOVIXDoc::EncodePixel(std::int32_t nIndex) const
{
    return MakeEncoder().Encode(PixelArray[nIndex]);
}

SerializeResult CTOVIXDoc::Serialize(CArchive& ar)
{
    return ar.IsStoring() ? Store(ar) : Load(ar);
}

SerializeResult CTOVIXDoc::Store(CArchive& ar)
{
    if (!CopyBitmapToPixels()) return SerializeResult::BadSize;

    ar << m_nVersion << m_nWidth << m_nHeight << static_cast<std::uint16_t>(m_nColorMode) << m_nThresholdR
       << m_nThresholdG << m_nThresholdB;
    ar.Write(PixelArray, static_cast<std::size_t>(StoredPixelCount(m_nWidth, m_nHeight)));
    ar << m_nViewZoom << m_nPrintZoom;
    return ar.Flush() ? SerializeResult::Ok : SerializeResult::Failed;
}

SerializeResult CTOVIXDoc::Load(CArchive& ar)
{
    std::int32_t nVersion = 0, nWidth = 0, nHeight = 0, nThresholdR = 0, nThresholdG = 0, nThresholdB = 0;
    std::uint16_t nColorMode = 0;
    ar >> nVersion >> nWidth >> nHeight >> nColorMode >> nThresholdR >> nThresholdG >> nThresholdB;
    if (ar.Failed()) return SerializeResult::Failed;

    const std::int64_t nCount = StoredPixelCount(nWidth, nHeight);
    if (nCount < 0) return SerializeResult::BadSize;

    ar.Read(PixelArray, static_cast<std::size_t>(nCount));
    std::int32_t nViewZoom = 100, nPrintZoom = 100;
    if (nVersion == kFileVersion) ar >> nViewZoom >> nPrintZoom;
    if (ar.Failed()) return SerializeResult::Failed;

    m_nVersion = kFileVersion;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nColorMode = static_cast<ColorMode>(nColorMode);
    m_nThresholdR = nThresholdR;
    m_nThresholdG = nThresholdG;
    m_nThresholdB = nThresholdB;
    m_nViewZoom = nViewZoom;
    m_nPrintZoom = nPrintZoom;
    if (!CopyPixelsToBitmap()) return SerializeResult::Failed;
    m_bLoaded = 1;
    m_image.ReduceColors(m_nColorMode, m_nThresholdB, m_nThresholdG, m_nThresholdR);
    return SerializeResult::Ok;
}
