// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tovix_doc.h"

#include "core/archive.h"
#include "core/captured_picture.h"
#include "core/document_file.h"
#include "core/page_memory.h"

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
    return !HasPicture() || StoredPixelCount(m_image.GetWidth(), m_image.GetHeight()) >= 0;
}

bool CTOVIXDoc::CopyBitmapToPixels()
{
    if (!HasPicture()) return true;
    if (!PictureFitsStore()) return false;

    m_nWidth = m_image.GetWidth();
    m_nHeight = m_image.GetHeight();
    CapturePixels(m_image, PixelArray);
    return true;
}

bool CTOVIXDoc::CopyPixelsToBitmap()
{
    return MakeBitmap(Captured(), m_image);
}

void CTOVIXDoc::SetThresholds(const Thresholds& thresholds)
{
    m_nThresholdR = thresholds.r;
    m_nThresholdG = thresholds.g;
    m_nThresholdB = thresholds.b;
    ReduceDisplayedCopy();
}

void CTOVIXDoc::SetColorMode(ColorMode mode)
{
    m_nColorMode = mode;
    ReduceDisplayedCopy();
}

void CTOVIXDoc::ReduceDisplayedCopy()
{
    m_image.ReduceColors(m_nColorMode, GetThresholds());
}

CapturedPicture CTOVIXDoc::Captured() const
{
    const std::int64_t nCount = StoredPixelCount(m_nWidth, m_nHeight);
    return {m_nWidth, m_nHeight, m_nColorMode, GetThresholds(),
            std::span<const std::uint32_t>(PixelArray, static_cast<std::size_t>(nCount < 0 ? 0 : nCount)), {}};
}

std::uint32_t CTOVIXDoc::EncodePixel(std::int32_t nIndex) const
{
    return PixelEncoder(m_nColorMode, GetThresholds()).Encode(PixelArray[nIndex]);
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
    ReduceDisplayedCopy();
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
