// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_filters.h"

#include "picture/picture_formats.h"
#include "app/res/strings.h"

std::string PictureDialogFilters()
{
    const std::vector<PictureFormat> formats = ReadablePictureFormats();
    std::string everyPattern;
    std::string perFormat;
    for (const PictureFormat& format : formats) {
        std::string patterns;
        for (const std::string& suffix : format.suffixes) patterns += (patterns.empty() ? "*." : " *.") + suffix;
        everyPattern += (everyPattern.empty() ? "" : " ") + patterns;
        perFormat += format.strName + " (" + patterns + ");;";
    }
    return std::string(res::str::kPictureFilesLabel) + " (" + everyPattern + ");;" + perFormat + res::str::kAllFilesFilter;
}
