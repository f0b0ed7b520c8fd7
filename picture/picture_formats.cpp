// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_formats.h"

#include <QImageReader>

#include <algorithm>
#include <filesystem>

std::vector<PictureFormat> ReadablePictureFormats()
{
    std::vector<PictureFormat> formats;
    for (const QByteArray& mimeType : QImageReader::supportedMimeTypes()) {
        PictureFormat format;
        for (const QByteArray& suffix : QImageReader::imageFormatsForMimeType(mimeType))
            format.suffixes.push_back(suffix.toLower().toStdString());
        if (format.suffixes.empty()) continue;
        std::sort(format.suffixes.begin(), format.suffixes.end());
        format.strName = QByteArray::fromStdString(format.suffixes.front()).toUpper().toStdString();
        // Two types may share their readers (an icon under two names): list them once.
        const bool bKnown = std::any_of(formats.begin(), formats.end(),
                                        [&](const PictureFormat& f) { return f.suffixes == format.suffixes; });
        if (!bKnown) formats.push_back(std::move(format));
    }
    std::sort(formats.begin(), formats.end(),
              [](const PictureFormat& a, const PictureFormat& b) { return a.strName < b.strName; });
    return formats;
}

bool IsPicturePath(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.size() < 2) return false;
    const QByteArray suffix = QByteArray::fromStdString(extension.substr(1)).toLower();
    return QImageReader::supportedImageFormats().contains(suffix);
}
