// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/color_mode.h"
#include "core/dib_image.h"
#include "core/document_base.h"
#include "core/pixel_encoder.h"
#include "core/thresholds.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class CArchive;
struct ExportSettings;

// How reading or writing a document file ended.
enum class SerializeResult {
    Ok,
    Failed,        // cut short, or a write that did not go through
    BadSize,       // stored width or height negative, or more pixels than the store holds
};

// The image document: one picture with its colour mode, thresholds,
// magnifications and a packed copy of its pixels. Lives on the heap: the
// pixel store is 8 MiB inside the object.
class CTOVIXDoc : public CDocumentBase {
public:
    static constexpr std::int32_t kPixelCapacity = 2097152;
    static constexpr std::int32_t kFileVersion = 300;
    // A file with settings beyond the six modes: the magnifications and a
    // settings block follow the pixels.
    static constexpr std::int32_t kSettingsFileVersion = 301;

    CTOVIXDoc();
    ~CTOVIXDoc() override;
    CTOVIXDoc(const CTOVIXDoc&) = delete;
    CTOVIXDoc& operator=(const CTOVIXDoc&) = delete;

    // Documents come from whole pages: the store is 8 MiB.
    static void* operator new(std::size_t nSize);
    static void operator delete(void* p, std::size_t nSize);

    // Nothing to reset: every new document is a freshly constructed object.
    bool OnNewDocument() override { return true; }

    // The document file: ReadDocumentFile and WriteDocumentFile.
    bool OnOpenDocument(const std::string& path, UserDialogs& dialogs) override;
    bool OnSaveDocument(const std::string& path, UserDialogs& dialogs) override;

    // True when the held picture, if any, fits the pixel store and so can be
    // captured, saved and exported.
    bool PictureFitsStore() const;

    // Fills m_nWidth, m_nHeight and PixelArray from the source copy. Does
    // nothing without a picture; returns false, changing nothing, when the
    // picture is larger than the store.
    bool CopyBitmapToPixels();

    // Builds both copies of m_image from m_nWidth, m_nHeight and PixelArray.
    // Returns false when memory runs out.
    bool CopyPixelsToBitmap();

    // True while the document holds a picture.
    bool HasPicture() const { return m_bLoaded != 0; }

    // The three thresholds as one value. Setting them, or the colour mode,
    // also recomputes the displayed copy, so the view always shows the
    // settings the export will use.
    Thresholds GetThresholds() const { return {m_nThresholdR, m_nThresholdG, m_nThresholdB}; }
    void SetThresholds(const Thresholds& thresholds);
    void SetColorMode(ColorMode mode);

    // The settings beyond the six modes. Setting a pixel format of the six
    // sets the colour mode and keeps no name; one beyond them sets the colour
    // mode to the nearest of the six (NearestDocumentMode), which the
    // displayed copy shows. Nothing marks the document modified: nothing
    // does in this program.
    const ::ExportSettings& ExportSettings() const { return *m_pExportSettings; }
    // Keeps what a document file holds of the settings; a pixel format of
    // the six modes becomes the colour mode.
    void SetExportSettings(const ::ExportSettings& settings);

    // The format an export of the document writes: the one its settings
    // name, when this build knows it, else the colour mode.
    ColorMode DeviceMode() const;

    // Recomputes the displayed copy for the current mode and thresholds.
    void ReduceDisplayedCopy();

    // The pixel store as the writers take it: valid after CopyBitmapToPixels
    // or a document read, until the document changes.
    CapturedPicture Captured() const;

    // The encoded value of one pixel of PixelArray in the current mode.
    std::uint32_t EncodePixel(std::int32_t nIndex) const;

    // Writes or reads the document file. Reading is for a freshly made
    // document: when it fails no field changes, though the pixel store may
    // hold part of the file.
    SerializeResult Serialize(CArchive& ar);

    std::int32_t m_nViewZoom = 100;
    std::int32_t m_nPrintZoom = 100;
    CDibImage m_image;
    std::int32_t m_bLoaded = 0;
    std::int32_t m_nThresholdB = 128;
    std::int32_t m_nThresholdG = 128;
    std::int32_t m_nThresholdR = 128;
    std::int32_t m_nVersion = kFileVersion;
    std::uint32_t PixelArray[kPixelCapacity];
    ColorMode m_nColorMode = ColorMode::Full;
    std::int32_t m_nHeight = 0;
    std::int32_t m_nWidth = 0;

private:
    SerializeResult Store(CArchive& ar);
    SerializeResult Load(CArchive& ar);

    // Behind a pointer, so that this header does not bring the colour
    // types into every file that includes it.
    std::unique_ptr<::ExportSettings> m_pExportSettings;
};
