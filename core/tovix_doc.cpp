// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tovix_doc.h"

#include "core/archive.h"
#include "core/export_settings.h"
#include "core/captured_picture.h"
#include "core/document_file.h"
#include "core/page_memory.h"
#include "core/pixel_format.h"
#include "core/settings_block.h"

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

// More than any settings block this program writes; a longer rest is no block.
constexpr std::size_t kMaxSettingsBytes = 65536;

// The magnifications and settings after the pixels of a version-301 file,
// or nothing when the rest of the file is not exactly those.
struct SettingsTail {
    std::int32_t nViewZoom;
    std::int32_t nPrintZoom;
    ExportSettings settings;
};

std::optional<SettingsTail> ReadSettingsTail(CArchive& ar)
{
    const std::vector<std::uint8_t> rest = ar.ReadRest(kMaxSettingsBytes);
    if (rest.size() < 8 || rest.size() > kMaxSettingsBytes) return std::nullopt;
    const auto zoom = [&rest](std::size_t nAt) {
        return static_cast<std::int32_t>(rest[nAt] | rest[nAt + 1] << 8 | rest[nAt + 2] << 16 |
                                         static_cast<std::uint32_t>(rest[nAt + 3]) << 24);
    };
    const std::optional<ExportSettings> settings = ReadSettingsBlock(std::span(rest).subspan(8));
    if (!settings) return std::nullopt;
    return SettingsTail{zoom(0), zoom(4), *settings};
}

} // namespace

// Defined here, not defaulted in the class, so that a new document does not
// zero its 8 MiB pixel store: only entries a capture or load wrote are read.
CTOVIXDoc::CTOVIXDoc() : m_pExportSettings(std::make_unique<::ExportSettings>()) {}

CTOVIXDoc::~CTOVIXDoc() = default;

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

void CTOVIXDoc::SetExportSettings(const ::ExportSettings& settings)
{
    ::ExportSettings kept = settings;
    if (const PixelFormat* format = settings.mode ? FindPixelFormat(*settings.mode) : nullptr) {
        m_nColorMode = NearestDocumentMode(*format);
        if (!format->bNamedOnly) kept.mode.reset();
    }
    *m_pExportSettings = KeptInDocument(kept);
    ReduceDisplayedCopy();
}

ColorMode CTOVIXDoc::DeviceMode() const
{
    return m_pExportSettings->mode.value_or(m_nColorMode);
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

    const bool bSettings = *m_pExportSettings != ::ExportSettings();
    ar << (bSettings ? kSettingsFileVersion : m_nVersion) << m_nWidth << m_nHeight << static_cast<std::uint16_t>(m_nColorMode) << m_nThresholdR
       << m_nThresholdG << m_nThresholdB;
    ar.Write(PixelArray, static_cast<std::size_t>(StoredPixelCount(m_nWidth, m_nHeight)));
    ar << m_nViewZoom << m_nPrintZoom;
    if (bSettings) ar.Write(SettingsBlock(*m_pExportSettings));
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
    ::ExportSettings settings;
    if (nVersion == kFileVersion) ar >> nViewZoom >> nPrintZoom;
    // A rest that is not a well-formed block is read as a reader of the
    // six modes reads it: not at all.
    if (nVersion == kSettingsFileVersion) {
        if (const std::optional<SettingsTail> tail = ReadSettingsTail(ar)) {
            nViewZoom = tail->nViewZoom;
            nPrintZoom = tail->nPrintZoom;
            settings = tail->settings;
        }
    }
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
    *m_pExportSettings = settings;
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
