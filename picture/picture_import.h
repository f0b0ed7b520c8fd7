// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_frames.h"

#include <string>

class CTOVIXDoc;
class UserDialogs;

// Imports a picture of any readable format into the document, as the BMP
// import does a 24-bit BMP file: the same messages for a refused file, the
// same document afterwards. The caller sets the scroll range and repaints.
bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background = {});

// Reads every frame of a picture (ReadPictureFrames) and imports the first
// into the document, laid on the background, as ImportPicture does; a
// refused file is reported as ImportPicture reports it.
bool ImportPictureFrames(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background,
                         PictureFrames& frames);

// Imports frame nFrame of the frames into the document, as ImportPictureFrames
// does the first.
bool ImportPictureFrame(CTOVIXDoc& doc, const PictureFrames& frames, std::size_t nFrame, UserDialogs& dialogs,
                        BackgroundColor background);
