// SPDX-License-Identifier: GPL-3.0-or-later
// Reading arbitrary text as an export, as --decode and --palette read the
// files they are given. What reads has the size it tells, becomes a bitmap,
// and shows the same pixels when written as bytes and read back.
#include "core/captured_picture.h"
#include "core/dib_image.h"
#include "core/palette_file.h"
#include "export/bytes_options.h"
#include "export/export_format.h"
#include "export/export_job.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

std::string Written(const OutputFormat& format, const ExportJob& job)
{
    char* pBuffer = nullptr;
    std::size_t nSize = 0;
    std::FILE* out = open_memstream(&pBuffer, &nSize);
    Require(out != nullptr, "open_memstream");
    Require(WriteExportFile(out, format, job), "a read picture writes");
    std::fclose(out);
    std::string text(pBuffer, nSize);
    std::free(pBuffer);
    return text;
}

void CheckRead(const PictureBuffer& picture)
{
    const std::size_t nPixels = static_cast<std::size_t>(picture.nWidth) * static_cast<std::size_t>(picture.nHeight);
    Require(picture.nWidth >= 1 && picture.nHeight >= 1, "a read picture has pixels");
    Require(picture.pixels.size() == nPixels, "a pixel for each place");
    Require(picture.values.empty() || picture.values.size() == nPixels, "a value for each pixel");
    Require(picture.alpha.empty() || picture.alpha.size() == nPixels, "an alpha for each pixel");
    for (std::uint32_t nValue : picture.values)
        Require(picture.palette.empty() || nValue < picture.palette.size(), "indices within the palette");
    CDibImage image;
    Require(MakeBitmap(picture.View(), image), "a read picture becomes a bitmap");

    const OutputFormat* bytes = FindOutputFormat("bytes");
    Require(bytes != nullptr, "the bytes format");
    if (!bytes->TakesMode(picture.mode) || RefusalFor(*bytes, picture.View())) return;
    PictureBuffer again;
    const ReadError error = ReadExportText(Written(*bytes, {picture.View(), "again", LayoutOptions{}}), again);
    Require(!error, "bytes written from a read picture read back");
    Require(again.nWidth == picture.nWidth && again.nHeight == picture.nHeight, "the size comes back");
    Require(again.pixels == picture.pixels, "the pixels come back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const PaletteFile palette = ParsePalette(text);
    Require(palette.fault != PaletteFileFault::None || (!palette.colours.empty() && palette.colours.size() <= 256),
            "a read palette holds 1 to 256 colours");
    PictureBuffer picture;
    if (!ReadExportText(text, picture)) CheckRead(picture);
    return 0;
}
