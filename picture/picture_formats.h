// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One kind of picture that Qt's image readers know here.
struct PictureFormat {
    std::string strName;                 // upper case, as a dialog names it: "JPEG"
    std::vector<std::string> suffixes;   // lower case, no dot: "jpeg", "jpg"
};

// Every readable kind, by name, as the installed image plugins tell at run time.
std::vector<PictureFormat> ReadablePictureFormats();

// True when the file name ends in the extension of a readable kind, in any case.
bool IsPicturePath(const std::string& path);
