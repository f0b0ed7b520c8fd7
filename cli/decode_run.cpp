// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/decode_run.h"

#include "cli/console_dialogs.h"
#include "cli/output_file.h"
#include "core/bmp_layout.h"
#include "core/dib_image.h"
#include "export/export_format.h"
#include "picture/picture_writer.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr int kExitRefused = 1;

// Larger than the largest export the pixel store allows.
constexpr std::uintmax_t kMaxExportBytes = 64u << 20;

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    const std::uintmax_t nSize = std::filesystem::file_size(path, ec);
    if (ec || nSize > kMaxExportBytes) return {};
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(nSize), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(nSize))) return {};
    return text;
}

// The BMP file image the working bitmap already holds.
bool WriteBmp(std::FILE* file, const CDibImage& image)
{
    const std::size_t nSize = bmp::ReadU32(image.m_pSrcBuffer + bmp::kOffFileSize);
    return std::fwrite(image.m_pSrcBuffer, 1, nSize, file) == nSize;
}

} // namespace

int RunDecodeRequest(const DecodeRequest& request)
{
    const std::string& input = request.input;
    const std::optional<std::string> text = ReadWholeFile(input);
    if (!text) {
        ReportError(input, "cannot read the file, or it is larger than any export");
        return kExitRefused;
    }
    PictureBuffer picture;
    if (const ReadError error = ReadExportText(*text, picture)) {
        ReportError(input, *error);
        return kExitRefused;
    }
    CDibImage image;
    if (!MakeBitmap(picture.View(), image)) {
        ReportError(input, "not enough memory for the picture");
        return kExitRefused;
    }
    const OutputTarget output{OutputKind::Picture,
                              request.output.value_or(DefaultDecodeOutput(input))};
    if (!CheckOutputFree(output, request.bForce)) return kExitRefused;
    const bool bPng = EndsWithInAnyCase(output.path, ".png");
    CFileTransaction files;
    const bool bWritten = WriteOutput(files, output, [&](std::FILE* file) {
        // A 24-bit BMP has no place for alpha; a PNG keeps it.
        return bPng ? WritePng(file, image, picture.alpha) : WriteBmp(file, image);
    });
    return bWritten && LandOutputFiles(files) ? 0 : kExitRefused;
}

std::string DefaultDecodeOutput(const std::string& input)
{
    return input + ".png";
}
