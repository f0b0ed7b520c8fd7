// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_import.h"

#include "core/bmp_import.h"
#include "core/messages.h"
#include "core/picture_geometry.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"
#include "picture/picture_messages.h"

#include <utility>

namespace {

// What was wrong with a file that was read and refused; null for the
// faults the BMP import has words for.
const char* DamageText(PictureFault fault)
{
    switch (fault) {
    case PictureFault::Truncated: return picture_msg::kTruncated;
    case PictureFault::Corrupt: return picture_msg::kCorrupt;
    case PictureFault::OutsideScreen: return picture_msg::kOutsideScreen;
    case PictureFault::Unsupported: return picture_msg::kUnsupported;
    case PictureFault::BadColourProfile: return picture_msg::kBadColourProfile;
    case PictureFault::TooManyFrames: return picture_msg::kTooManyFrames;
    default: return nullptr;
    }
}

DibLoadResult AsBmpResult(PictureFault fault)
{
    switch (fault) {
    case PictureFault::None: return DibLoadResult::Loaded;
    case PictureFault::CannotOpen: return DibLoadResult::CannotOpen;
    case PictureFault::TooWide: return DibLoadResult::TooWide;
    case PictureFault::TooHigh: return DibLoadResult::TooHigh;
    case PictureFault::TooManyPixels: return DibLoadResult::TooManyPixels;
    default: return DibLoadResult::NotBitmap;
    }
}

} // namespace

DibLoadResult ReadPicture(const std::string& path, BackgroundColor background, CDibImage& image)
{
    return AsBmpResult(ReadPictureFile(path, background, image));
}

namespace {

// What the import does once the working bitmap holds the picture, or the
// reader refused it.
bool FinishPictureImport(CTOVIXDoc& doc, PictureFault fault, UserDialogs& dialogs, const PictureLimits& limits)
{
    if (const char* pText = DamageText(fault)) {
        dialogs.ShowMessage(pText);
        dialogs.ShowMessage(msg::kCannotOpenBitmap);
        return false;
    }
    return FinishImport(doc, AsBmpResult(fault), dialogs, limits);
}

} // namespace

bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                   std::vector<std::uint8_t>* pAlpha, const PictureLimits& limits)
{
    doc.m_bLoaded = 0;
    return FinishPictureImport(doc, ReadPictureFile(path, background, doc.m_image, pAlpha, limits), dialogs, limits);
}

bool ImportShapedPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         const Geometry& geometry, const PictureLimits& limits, std::vector<std::uint8_t>* pAlpha)
{
    doc.m_bLoaded = 0;
    doc.m_image.Free();
    RgbImage picture;
    PictureFault fault = pAlpha != nullptr ? ReadPicturePixelsWithAlpha(path, picture, limits)
                                           : ReadPicturePixels(path, background, picture, limits);
    if (fault == PictureFault::None) {
        RgbImage shaped = Transformed(std::move(picture), geometry);
        if (!StoreBitmap(doc.m_image, shaped)) fault = PictureFault::CannotOpen;
        else if (pAlpha != nullptr) *pAlpha = std::move(shaped.alpha);
    }
    return FinishPictureImport(doc, fault, dialogs, limits);
}

bool ImportPictureFrames(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         PictureFrames& frames, const PictureLimits& limits)
{
    if (const PictureFault fault = ReadPictureFrames(path, frames, limits); fault != PictureFault::None) {
        doc.m_bLoaded = 0;
        doc.m_image.Free();
        return FinishPictureImport(doc, fault, dialogs, limits);
    }
    return ImportPictureFrame(doc, frames, 0, dialogs, background, limits);
}

bool ImportPictureFrame(CTOVIXDoc& doc, const PictureFrames& frames, std::size_t nFrame, UserDialogs& dialogs,
                        BackgroundColor background, const PictureLimits& limits)
{
    doc.m_bLoaded = 0;
    return FinishPictureImport(doc, FlattenFrame(frames, nFrame, background, doc.m_image, limits), dialogs, limits);
}
