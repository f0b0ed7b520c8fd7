// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_reader.h"

#include <string>

class CTOVIXDoc;
class UserDialogs;

// Imports a picture of any readable format into the document, as the BMP
// import does a 24-bit BMP file: the same messages for a refused file, the
// same document afterwards. The caller sets the scroll range and repaints.
// With pAlpha, the picture's alpha goes there and its colours stay unblended
// (ReadPictureFile).
bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background = {},
                   std::vector<std::uint8_t>* pAlpha = nullptr);
