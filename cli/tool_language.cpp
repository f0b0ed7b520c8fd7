// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tool_language.h"

#include "core/messages.h"
#include "picture/picture_messages.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

struct Translation {
    const char* pszJapanese;
    const char* pszEnglish;
    const char* pszEnglishForPicture = nullptr;   // where the picture import means something else by it
};

// Each English text says what to do next, where there is something to do.
const Translation kTranslations[] = {
    {msg::kCannotOpenBitmap, "cannot open the picture"},
    {msg::kBadBitmapFormat, "not a BMP file, or its headers or pixel rows are damaged; for a picture of another kind "
                            "named .bmp, give --picture",
     "not a picture TOVIX can read: PNG, JPEG, GIF, BMP, TGA, or another kind the installed image readers know "
     "(TIFF, WebP, SVG, ICO, PBM, PGM, PPM, XBM, XPM ...)"},
    {msg::kNot24Bit, "not a 24-bit BMP file; give --picture to read a BMP of any depth"},
    {msg::kTooWide, "the picture is wider than 4096 pixels, the largest side a picture may have; give --resize WxH "
                    "to shrink it as it comes in"},
    {msg::kTooHigh, "the picture is higher than 4096 pixels, the largest side a picture may have; give --resize WxH "
                    "to shrink it as it comes in"},
    {msg::kTooWideToResize, "the picture is wider than 16384 pixels, the largest side --resize takes; shrink it first"},
    {msg::kTooHighToResize, "the picture is higher than 16384 pixels, the largest side --resize takes; shrink it first"},
    {msg::kTooManyPixelsToResize, "the picture has more than 67108864 pixels (64 Mpixels, such as 8192 x 8192), the most "
                                  "--resize takes; shrink it first"},
    {msg::kPictureTooLarge, "the picture has more than 2097152 pixels (2048 x 1024), the most an export or "
                            "a document holds; give --resize WxH to make it smaller"},
    {msg::kCannotOpenDocument, "cannot open the document"},
    {msg::kBadDocument, "not a TOVIX document, or the document is damaged"},
    {msg::kCannotSaveDocument, "cannot save the document"},
    {picture_msg::kTruncated, "the file is cut short"},
    {picture_msg::kCorrupt, "the file's data is damaged (a checksum, a compressed stream or a marker is wrong)"},
    {picture_msg::kOutsideScreen, "an image block of the GIF lies outside its screen"},
    {picture_msg::kUnsupported, "this kind of picture cannot be read; convert it to PNG"},
    {picture_msg::kBadColourProfile, "the picture's colour profile is damaged"},
    {picture_msg::kTooManyFrames, "the animation's frames need more than 256 MiB (frames x width x height x 4 bytes); "
                                  "make it shorter or smaller"},
};

} // namespace

bool SpeaksJapanese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return std::string_view(value).starts_with("ja");
    }
    return false;
}

std::string InToolLanguage(const std::string& text, bool bPictureImport)
{
    if (SpeaksJapanese()) return text;
    for (const Translation& translation : kTranslations) {
        if (text != translation.pszJapanese) continue;
        return bPictureImport && translation.pszEnglishForPicture != nullptr ? translation.pszEnglishForPicture
                                                                             : translation.pszEnglish;
    }
    return text;
}

std::string SystemReason(int nError)
{
    return nError == 0 ? std::string() : std::string(": ") + std::strerror(nError);
}
