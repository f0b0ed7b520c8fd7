// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_frames.h"

#include <string>

class CTOVIXDoc;
struct Geometry;
class UserDialogs;

// Imports a picture of any readable format into the document, as the BMP
// import does a 24-bit BMP file: the same messages for a refused file, the
// same document afterwards. The caller sets the scroll range and repaints.
// With pAlpha, the picture's alpha goes there and its colours stay unblended
// (ReadPictureFile). The limits are a document's unless the picture is to be
// shrunk to them at once.
bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background = {},
                   std::vector<std::uint8_t>* pAlpha = nullptr, const PictureLimits& limits = kDocumentLimits);

// Imports a picture as ImportPicture does, with the geometry done to it as
// it comes in, so that one larger than a document holds (within the limits)
// takes no more than its pixels and the shaped ones. With pAlpha, the
// picture's alpha is shaped with it and goes there, as ImportPicture's does.
bool ImportShapedPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         const Geometry& geometry, const PictureLimits& limits, std::vector<std::uint8_t>* pAlpha = nullptr);

// Reads every frame of a picture (ReadPictureFrames) and imports the first
// into the document, laid on the background, as ImportPicture does; a
// refused file is reported as ImportPicture reports it.
bool ImportPictureFrames(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         PictureFrames& frames, const PictureLimits& limits = kDocumentLimits);

// Imports frame nFrame of the frames into the document, as ImportPictureFrames
// does the first, within the limits the frames were read in.
bool ImportPictureFrame(CTOVIXDoc& doc, const PictureFrames& frames, std::size_t nFrame, UserDialogs& dialogs,
                        BackgroundColor background, const PictureLimits& limits = kDocumentLimits);
