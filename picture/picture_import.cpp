// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_import.h"

#include "core/bmp_import.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"
#include "picture/picture_messages.h"

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
bool FinishPictureImport(CTOVIXDoc& doc, PictureFault fault, UserDialogs& dialogs)
{
    if (const char* pText = DamageText(fault)) {
        dialogs.ShowMessage(pText);
        dialogs.ShowMessage(msg::kCannotOpenBitmap);
        return false;
    }
    return FinishImport(doc, AsBmpResult(fault), dialogs);
}

} // namespace

bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background)
{
    doc.m_bLoaded = 0;
    return FinishPictureImport(doc, ReadPictureFile(path, background, doc.m_image), dialogs);
}

bool ImportPictureFrames(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         PictureFrames& frames)
{
    if (const PictureFault fault = ReadPictureFrames(path, frames); fault != PictureFault::None) {
        doc.m_bLoaded = 0;
        doc.m_image.Free();
        return FinishPictureImport(doc, fault, dialogs);
    }
    return ImportPictureFrame(doc, frames, 0, dialogs, background);
}

bool ImportPictureFrame(CTOVIXDoc& doc, const PictureFrames& frames, std::size_t nFrame, UserDialogs& dialogs,
                        BackgroundColor background)
{
    doc.m_bLoaded = 0;
    return FinishPictureImport(doc, FlattenFrame(frames, nFrame, background, doc.m_image), dialogs);
}
