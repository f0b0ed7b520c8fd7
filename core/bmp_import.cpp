// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"

#include "core/bmp_file.h"
#include "core/messages.h"
#include "core/picture_geometry.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"

bool ImportBmp(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, const PictureLimits& limits)
{
    doc.m_bLoaded = 0;
    return FinishImport(doc, doc.m_image.Load(path, limits), dialogs, limits);
}

bool ImportShapedBmp(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, const Geometry& geometry,
                     const PictureLimits& limits)
{
    doc.m_bLoaded = 0;
    doc.m_image.Free();
    RgbImage picture;
    DibLoadResult result = ReadBmpPixels(path, limits, picture);
    if (result == DibLoadResult::Loaded && !StoreBitmap(doc.m_image, Transformed(std::move(picture), geometry)))
        result = DibLoadResult::CannotOpen;
    return FinishImport(doc, result, dialogs, limits);
}

bool FinishImport(CTOVIXDoc& doc, DibLoadResult result, UserDialogs& dialogs, const PictureLimits& limits)
{
    switch (result) {
    case DibLoadResult::Loaded:
        break;
    case DibLoadResult::NotBitmap:
        dialogs.ShowMessage(msg::kBadBitmapFormat);
        dialogs.ShowMessage(msg::kCannotOpenBitmap);
        return false;
    case DibLoadResult::CannotOpen:
        dialogs.ShowMessage(msg::kCannotOpenBitmap);
        return false;
    case DibLoadResult::NotTrueColor:
        dialogs.ShowMessage(msg::kNot24Bit);
        return false;
    case DibLoadResult::TooWide:
        dialogs.ShowMessage(limits.pszTooWide);
        return false;
    case DibLoadResult::TooHigh:
        dialogs.ShowMessage(limits.pszTooHigh);
        return false;
    case DibLoadResult::TooManyPixels:
        dialogs.ShowMessage(limits.pszTooManyPixels);
        return false;
    }
    doc.m_bLoaded = 1;
    doc.ReduceDisplayedCopy();
    return true;
}
