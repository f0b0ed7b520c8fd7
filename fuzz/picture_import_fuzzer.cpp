// SPDX-License-Identifier: GPL-3.0-or-later
// The picture import on arbitrary file bytes, with whichever decoder the
// content picks, and again under a TGA name, as TGA has no signature; then
// a capture of what was accepted. And every frame, as --frames reads them,
// and the shaped import of the tool, which reads into one RGB picture.
#include "core/picture_geometry.h"
#include "core/tovix_doc.h"
#include "fuzz/fuzz_support.h"
#include "picture/picture_import.h"
#include "picture/picture_reader.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

// A background that no decoder's default matches, so flattening always shows.
bool ImportOnMagenta(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    return ImportPicture(doc, path, dialogs, {255, 0, 255});
}

// A link to a file under a name ending in .tga, in a folder of its own
// that goes with it.
class TgaLink {
public:
    explicit TgaLink(const std::string& target)
    {
        char folder[] = "/tmp/tovix-fuzz-XXXXXX";
        Require(mkdtemp(folder) != nullptr, "mkdtemp");
        m_strFolder = folder;
        m_strPath = m_strFolder + "/input.tga";
        Require(symlink(target.c_str(), m_strPath.c_str()) == 0, "symlink");
    }
    ~TgaLink()
    {
        unlink(m_strPath.c_str());
        rmdir(m_strFolder.c_str());
    }
    TgaLink(const TgaLink&) = delete;
    TgaLink& operator=(const TgaLink&) = delete;

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strFolder;
    std::string m_strPath;
};

// The same file under a name ending in .tga, a link made on first use.
bool ImportAsTga(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    static const TgaLink link(path);
    return ImportOnMagenta(doc, link.Path(), dialogs);
}

// Every frame, each checked and imported in turn; the document keeps the last.
bool ImportEveryFrame(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    PictureFrames frames;
    if (!ImportPictureFrames(doc, path, dialogs, {255, 0, 255}, frames)) return false;
    Require(!frames.frames.empty(), "a frame at least");
    const std::size_t nBytes = 4 * static_cast<std::size_t>(frames.nWidth) * frames.nHeight;
    Require(static_cast<std::int64_t>(nBytes * frames.frames.size()) <= kFramesMemoryLimit, "frames within their limit");
    for (std::size_t i = 0; i < frames.frames.size(); ++i) {
        const std::vector<std::uint8_t>& rgba = frames.frames[i].rgba;
        Require(rgba.size() == nBytes, "a frame of the picture's size");
        for (std::size_t j = 0; j < nBytes; j += 4)
            Require(rgba[j + 3] != 0 || (rgba[j] | rgba[j + 1] | rgba[j + 2]) == 0, "a transparent pixel is all 0");
        if (i > 0) Require(ImportPictureFrame(doc, frames, i, dialogs, {255, 0, 255}), "every frame imports");
    }
    return true;
}

// The RGB reader must refuse what the working bitmap's reader refuses and
// give the same pixels otherwise; then the shaped import turns what it read.
bool ImportShaped(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    const BackgroundColor magenta{255, 0, 255};
    RgbImage picture;
    CDibImage image;
    const PictureFault fault = ReadPicturePixels(path, magenta, picture);
    Require(ReadPictureFile(path, magenta, image) == fault, "both readers refuse alike");
    if (fault == PictureFault::None) {
        Require(picture.nWidth == image.GetWidth() && picture.nHeight == image.GetHeight(), "both readers give one size");
        for (std::int32_t y = 0; y < picture.nHeight; ++y) {
            const std::uint8_t* row = image.m_pSrcBits + std::size_t(picture.nHeight - 1 - y) * std::size_t(image.GetStride());
            for (std::int32_t x = 0; x < picture.nWidth; ++x) {
                const std::uint8_t* rgb = picture.Pixel(x, y);
                const std::uint8_t* bgr = row + 3 * x;
                Require(rgb[0] == bgr[2] && rgb[1] == bgr[1] && rgb[2] == bgr[0], "both readers give one picture");
            }
        }
    }
    Geometry geometry;
    geometry.rotation = Rotation::Clockwise90;
    return ImportShapedPicture(doc, path, dialogs, magenta, geometry, kDocumentLimits);
}

void Check(const std::unique_ptr<CTOVIXDoc>& doc)
{
    if (!doc) return;
    const CDibImage& image = doc->m_image;
    Require(image.GetWidth() > 0 && image.GetWidth() <= CDibImage::kMaxSide, "width within the limits");
    Require(image.GetHeight() > 0 && image.GetHeight() <= CDibImage::kMaxSide, "height within the limits");
    Require(image.GetBitCount() == 24, "a 24-bit working bitmap");
    doc->CopyBitmapToPixels();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Decoders complain on every broken input; the log would drown the fuzzer's own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    Check(LoadFromBytes(&ImportOnMagenta, pData, nSize));
    Check(LoadFromBytes(&ImportAsTga, pData, nSize));
    Check(LoadFromBytes(&ImportEveryFrame, pData, nSize));
    Check(LoadFromBytes(&ImportShaped, pData, nSize));
    return 0;
}
