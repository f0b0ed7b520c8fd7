#include "core/tovix_doc.h"

#include "core/archive.h"
#include "core/bmp_layout.h"
#include "core/document_file.h"
#include "core/page_memory.h"
#include "core/simd_bytes.h"

#include <cstring>
#include <new>

namespace {

// Pixel count of a picture, or -1 when it does not fit the store.
std::int64_t StoredPixelCount(std::int64_t nWidth, std::int64_t nHeight)
{
    if (nWidth < 0 || nHeight < 0) return -1;
    const std::int64_t nCount = nWidth * nHeight;
    return nCount <= CTOVIXDoc::kPixelCapacity ? nCount : -1;
}

// Turns the little-endian word of a BMP pixel, 0x??RRGGBB, into a store
// entry 0x00BBGGRR, and an entry back into the pixel's word.
std::uint32_t SwapRedBlue(std::uint32_t n)
{
    return __builtin_bswap32(n << 8);
}

// Pixels of one BMP row into store entries, four at a time while sixteen
// bytes of the row remain, then one by one; the last pixel is read bytewise
// so that nothing past the row is touched. Built twice: processors with a
// byte shuffle instruction take the second build.
__attribute__((target_clones("default", "ssse3"))) void PackRow(const std::uint8_t* __restrict p,
                                                                 std::uint32_t* __restrict pEntry, std::int32_t nWidth)
{
    std::int32_t c = 0;
    for (; 3 * c + 16 <= 3 * nWidth; c += 4) {
        const Bytes16 v = LoadBytes16(p + 3 * c);
        StoreBytes16(pEntry + c, __builtin_shufflevector(v, Bytes16{}, 2, 1, 0, 16, 5, 4, 3, 16, 8, 7, 6, 16, 11, 10, 9, 16));
    }
    for (; c + 1 < nWidth; ++c) pEntry[c] = SwapRedBlue(bmp::ReadU32(p + 3 * c));
    if (nWidth > 0) {
        const std::uint8_t* q = p + 3 * (nWidth - 1);
        pEntry[nWidth - 1] = (std::uint32_t{q[0]} << 16) | (std::uint32_t{q[1]} << 8) | q[2];
    }
}

// Store entries into one BMP row, the way back. The bytes each store writes
// past its pixels belong to the next pixels, written again right after.
__attribute__((target_clones("default", "ssse3"))) void UnpackRow(const std::uint32_t* __restrict pEntry,
                                                                   std::uint8_t* __restrict p, std::int32_t nWidth)
{
    std::int32_t c = 0;
    for (; 3 * c + 16 <= 3 * nWidth; c += 4) {
        Bytes16 v;
        std::memcpy(&v, pEntry + c, sizeof v);
        StoreBytes16(p + 3 * c, __builtin_shufflevector(v, Bytes16{}, 2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, 16, 16, 16, 16));
    }
    for (; c + 1 < nWidth; ++c) bmp::WriteU32(p + 3 * c, SwapRedBlue(pEntry[c]));
    if (nWidth > 0) {
        std::uint8_t* q = p + 3 * (nWidth - 1);
        q[0] = static_cast<std::uint8_t>(pEntry[nWidth - 1] >> 16);
        q[1] = static_cast<std::uint8_t>(pEntry[nWidth - 1] >> 8);
        q[2] = static_cast<std::uint8_t>(pEntry[nWidth - 1]);
    }
}

// Rows to copy: a document file may claim billions of rows of no columns,
// which hold no pixel and must not cost a pass each.
std::int32_t RowsWithPixels(std::int32_t nWidth, std::int32_t nHeight)
{
    return nWidth > 0 ? nHeight : 0;
}

} // namespace

// Defined here, not defaulted in the class, so that a new document does not
// zero its 8 MiB pixel store: only entries a capture or load wrote are read.
CTOVIXDoc::CTOVIXDoc() {}

void* CTOVIXDoc::operator new(std::size_t nSize)
{
    if (void* p = AllocatePages(nSize)) return p;
    throw std::bad_alloc();
}

void CTOVIXDoc::operator delete(void* p, std::size_t nSize)
{
    FreePages(p, nSize);
}

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
    for (std::int32_t r = 0; r < RowsWithPixels(m_nWidth, m_nHeight); ++r)
        PackRow(m_image.m_pSrcBits + (m_nHeight - 1 - r) * nStride, PixelArray + static_cast<std::int64_t>(r) * m_nWidth,
                m_nWidth);
    return true;
}

bool CTOVIXDoc::CopyPixelsToBitmap()
{
    if (!m_image.Create(m_nWidth, m_nHeight)) return false;

    const std::int64_t nStride = m_image.GetStride();
    for (std::int32_t r = 0; r < RowsWithPixels(m_nWidth, m_nHeight); ++r)
        UnpackRow(PixelArray + static_cast<std::int64_t>(r) * m_nWidth, m_image.m_pSrcBits + (m_nHeight - 1 - r) * nStride,
                  m_nWidth);
    std::memcpy(m_image.m_pDispBits, m_image.m_pSrcBits, static_cast<std::size_t>(m_nHeight * nStride));
    return true;
}

void CTOVIXDoc::SetThresholds(const Thresholds& thresholds)
{
    m_nThresholdR = thresholds.r;
    m_nThresholdG = thresholds.g;
    m_nThresholdB = thresholds.b;
}

PixelEncoder CTOVIXDoc::MakeEncoder() const
{
    return PixelEncoder(m_nColorMode, GetThresholds());
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

bool CTOVIXDoc::OnOpenDocument(const std::string& path, UserDialogs& dialogs)
{
    return ReadDocumentFile(*this, path, dialogs);
}

bool CTOVIXDoc::OnSaveDocument(const std::string& path, UserDialogs& dialogs)
{
    return WriteDocumentFile(*this, path, dialogs);
}
