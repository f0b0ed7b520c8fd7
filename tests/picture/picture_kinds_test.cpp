// SPDX-License-Identifier: GPL-3.0-or-later
// What the picture import makes of TGA files of every kind, of pictures
// turned by EXIF orientation, of GIF frames made of several blocks, and of
// CMYK JPEG files with a profile of their own.
#include "core/tovix_doc.h"
#include "picture/picture_import.h"
#include "picture/picture_messages.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <gif_lib.h>
#include <jpeglib.h>
#include <lcms2.h>

#include <QBuffer>
#include <QImage>

#include <array>
#include <cmath>

#include <cstdio>
#include <memory>

using namespace testing_support;

namespace {

const std::string kTga = std::string(TOVIX_TESTDATA_DIR) + "/tga";

struct Picture {
    int nWidth = 0, nHeight = 0;
    std::vector<Rgb> pixels;   // top row first
    bool operator==(const Picture&) const = default;
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * nWidth + x]; }
};

// What the import makes of the file, on the background; no size when refused.
Picture Import(const std::string& path, std::vector<std::string>* pMessages = nullptr, BackgroundColor background = {})
{
    RecordingDialogs dialogs;
    auto doc = std::make_unique<CTOVIXDoc>();
    const bool bImported = ImportPicture(*doc, path, dialogs, background);
    if (pMessages) *pMessages = dialogs.messages;
    if (!bImported) return {};
    const CDibImage& image = doc->m_image;
    Picture picture{image.GetWidth(), image.GetHeight(), {}};
    for (int y = 0; y < picture.nHeight; ++y)
        for (int x = 0; x < picture.nWidth; ++x) {
            const std::uint8_t* p = image.m_pSrcBits + (picture.nHeight - 1 - y) * image.GetStride() + 3 * x;
            picture.pixels.push_back({p[2], p[1], p[0]});
        }
    return picture;
}

Picture ImportBytes(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& bytes,
                    std::vector<std::string>* pMessages = nullptr, BackgroundColor background = {})
{
    WriteFile(dir.File(name), bytes);
    return Import(dir.File(name), pMessages, background);
}

TEST(TgaKinds, EveryKindPillowWritesComesInAsItsPng)
{
    TempDir dir;
    for (const char* kind : {"l", "p", "rgb", "rgba"}) {
        const Picture expected = Import(kTga + "/" + kind + ".png");
        ASSERT_EQ(expected.nWidth, 7) << kind;
        for (const char* coding : {"raw", "rle"})
            for (const char* origin : {"bottom", "top"}) {
                const std::string name = std::string(kind) + "-" + coding + "-" + origin + ".tga";
                EXPECT_EQ(Import(kTga + "/" + name), expected) << name;
                // Without its footer the file is TGA 1.0, as many tools write it.
                std::vector<std::uint8_t> bytes = ReadFile(kTga + "/" + name);
                bytes.resize(bytes.size() - 26);
                EXPECT_EQ(ImportBytes(dir, "v1.tga", bytes), expected) << name << " without footer";
            }
    }
}

TEST(TgaKinds, SixteenBitPixelsRightToLeftWithOneAlphaBit)
{
    // 2 x 1, true-colour, 16 bits, one alpha bit, stored right to left:
    // an opaque pure red, then a transparent green.
    const std::vector<std::uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 16, 0x11,
                                           0xE0, 0x03, 0x00, 0xFC};
    TempDir dir;
    const Picture got = ImportBytes(dir, "a.tga", tga, nullptr, {1, 2, 3});
    EXPECT_EQ(got.pixels, (std::vector<Rgb>{{255, 0, 0}, {1, 2, 3}}));
    // A 2.0 footer pointing to an extension area past the file's end is no extension area.
    std::vector<std::uint8_t> footed = tga;
    const char footer[26] = "\xF0\xFF\0\0\0\0\0\0TRUEVISION-XFILE.";
    footed.insert(footed.end(), footer, footer + sizeof footer);
    EXPECT_EQ(ImportBytes(dir, "b.tga", footed, nullptr, {1, 2, 3}).pixels, got.pixels);
}

// A 3 x 2 picture of six colours, as a PNG, with an eXIf chunk giving the
// orientation before its pixels when nOrientation is not 0.
std::vector<std::uint8_t> OrientedPng(int nOrientation)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, qRgb(40 * i, 255 - 40 * i, 100 + 20 * i));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    std::vector<std::uint8_t> bytes(png.begin(), png.end());
    if (nOrientation == 0) return bytes;
    const std::vector<std::uint8_t> tiff = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1,
                                            0, static_cast<std::uint8_t>(nOrientation), 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> chunk = {0, 0, 0, static_cast<std::uint8_t>(tiff.size()), 'e', 'X', 'I', 'f'};
    chunk.insert(chunk.end(), tiff.begin(), tiff.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 4; i < chunk.size(); ++i) {
        crc ^= chunk[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(crc >> (24 - 8 * i)));
    bytes.insert(bytes.begin() + 33, chunk.begin(), chunk.end());   // after the signature and IHDR
    return bytes;
}

// The same JPEG with an APP1 EXIF segment after SOI.
std::vector<std::uint8_t> OrientedJpeg(const std::vector<std::uint8_t>& jpeg, int nOrientation)
{
    const std::vector<std::uint8_t> app1 = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0,
                                            1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                                            static_cast<std::uint8_t>(nOrientation), 0, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> bytes = jpeg;
    bytes.insert(bytes.begin() + 2, app1.begin(), app1.end());
    return bytes;
}

TEST(Orientation, PngAndJpegAreTurnedAsTheirExifSays)
{
    // For each orientation, where stored pixel (0, 0) lands, and the step in
    // the shown picture of one step right and one step down in the stored one.
    const struct {
        int nOrientation;
        bool bRight, bBottom;   // the corner (0, 0) goes to
        int nRightX, nRightY, nDownX, nDownY;
    } turns[] = {
        {1, false, false, 1, 0, 0, 1},  {2, true, false, -1, 0, 0, 1}, {3, true, true, -1, 0, 0, -1},
        {4, false, true, 1, 0, 0, -1},  {5, false, false, 0, 1, 1, 0}, {6, true, false, 0, 1, -1, 0},
        {7, true, true, 0, -1, -1, 0},  {8, false, true, 0, -1, 1, 0},
    };
    TempDir dir;
    const Picture png = ImportBytes(dir, "plain.png", OrientedPng(0));
    QImage colours(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) colours.setPixel(x, y, qRgb(x < 8 ? 250 : 10, y < 4 ? 250 : 10, 128));
    QByteArray jpegBytes;
    QBuffer buffer(&jpegBytes);
    buffer.open(QIODevice::WriteOnly);
    colours.save(&buffer, "JPEG", 100);
    const std::vector<std::uint8_t> jpeg(jpegBytes.begin(), jpegBytes.end());
    const Picture plainJpeg = ImportBytes(dir, "plain.jpg", jpeg);
    for (const auto& turn : turns) {
        for (const bool bJpeg : {false, true}) {
            const Picture& plain = bJpeg ? plainJpeg : png;
            const Picture got = bJpeg ? ImportBytes(dir, "turned.jpg", OrientedJpeg(jpeg, turn.nOrientation))
                                      : ImportBytes(dir, "turned.png", OrientedPng(turn.nOrientation));
            const bool bTransposed = turn.nRightX == 0;
            ASSERT_EQ(got.nWidth, bTransposed ? plain.nHeight : plain.nWidth) << turn.nOrientation;
            ASSERT_EQ(got.nHeight, bTransposed ? plain.nWidth : plain.nHeight) << turn.nOrientation;
            const int x0 = turn.bRight ? got.nWidth - 1 : 0, y0 = turn.bBottom ? got.nHeight - 1 : 0;
            for (int y = 0; y < plain.nHeight; ++y)
                for (int x = 0; x < plain.nWidth; ++x) {
                    const int tx = x0 + x * turn.nRightX + y * turn.nDownX;
                    const int ty = y0 + x * turn.nRightY + y * turn.nDownY;
                    ASSERT_EQ(got.At(tx, ty), plain.At(x, y)) << "orientation " << turn.nOrientation << (bJpeg ? " JPEG" : " PNG");
                }
        }
    }
}

// A GIF of the blocks given, each with its own one-colour palette.
struct Block {
    int nLeft, nTop, nWidth, nHeight;
    GifColorType colour;
    int nDelay = -1;   // no control block when negative
};

std::vector<std::uint8_t> MakeGif(int nWidth, int nHeight, const std::vector<Block>& blocks, bool bLooping = false)
{
    TempDir dir;
    const std::string path = dir.File("made.gif");
    int nError = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &nError);
    EGifSetGifVersion(gif, true);
    ColorMapObject* pScreenColours = GifMakeMapObject(2, nullptr);
    EGifPutScreenDesc(gif, nWidth, nHeight, 1, 0, pScreenColours);
    if (bLooping) {
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
        EGifPutExtensionBlock(gif, 3, "\x01\x00\x00");
        EGifPutExtensionTrailer(gif);
    }
    for (const Block& block : blocks) {
        if (block.nDelay >= 0) {
            const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, block.nDelay, NO_TRANSPARENT_COLOR};
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        }
        GifColorType palette[2] = {block.colour, block.colour};
        ColorMapObject* pColours = GifMakeMapObject(2, palette);
        EGifPutImageDesc(gif, block.nLeft, block.nTop, block.nWidth, block.nHeight, false, pColours);
        std::vector<GifPixelType> row(static_cast<std::size_t>(block.nWidth), 0);
        for (int y = 0; y < block.nHeight; ++y) EGifPutLine(gif, row.data(), block.nWidth);
        GifFreeMapObject(pColours);
    }
    GifFreeMapObject(pScreenColours);
    EGifCloseFile(gif, &nError);
    return ReadFile(path);
}

TEST(GifFrames, TheFirstFrameIsEveryBlockUpToADelayOnATransparentScreen)
{
    const GifColorType red{255, 0, 0}, blue{0, 0, 255};
    const Rgb r{255, 0, 0}, b{0, 0, 255}, g{0, 128, 0};   // g: the background
    const struct {
        const char* name;
        std::vector<std::uint8_t> gif;
        std::vector<Rgb> pixels;   // 3 x 1
    } cases[] = {
        {"two blocks, no delays", MakeGif(3, 1, {{0, 0, 1, 1, red}, {1, 0, 1, 1, blue}}), {r, b, g}},
        {"the second block after a delay", MakeGif(3, 1, {{0, 0, 1, 1, red, 10}, {1, 0, 1, 1, blue, 10}}), {r, g, g}},
        {"a looping animation's first block", MakeGif(3, 1, {{0, 0, 2, 1, red, 0}, {1, 0, 1, 1, blue, 0}}, true), {r, r, g}},
        {"a later block over an earlier one", MakeGif(3, 1, {{0, 0, 3, 1, red, 0}, {2, 0, 1, 1, blue}}), {r, r, b}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Picture got = ImportBytes(dir, "frame.gif", c.gif, nullptr, {0, 128, 0});
        EXPECT_EQ(got.pixels, c.pixels) << c.name;
    }
    std::vector<std::string> messages;
    EXPECT_EQ(ImportBytes(dir, "out.gif", MakeGif(3, 1, {{0, 0, 1, 1, red}, {2, 0, 2, 1, blue}}), &messages).nWidth, 0);
    EXPECT_EQ(messages.front(), picture_msg::kOutsideScreen);
}

// A CMYK printer whose cyan ink takes away green and magenta red, unlike
// the naive rule, so that a decoder ignoring the profile shows other colours.
Rgb SwappedInks(const int cmyk[4])
{
    const auto ink = [&](int i) { return 1.0 - cmyk[i] / 255.0; };
    const auto level = [&](double d) { return static_cast<std::uint8_t>(std::lround(255 * d * ink(3))); };
    return {level(ink(1)), level(ink(0)), level(ink(2))};
}

// An ICC profile of that printer: a CLUT with nodes at every 17th level, so
// that the colours the test uses need no interpolation.
std::vector<std::uint8_t> SwappedInkProfile()
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab = cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_16, INTENT_RELATIVE_COLORIMETRIC, 0);
    cmsStage* pClut = cmsStageAllocCLut16bit(nullptr, 16, 4, 3, nullptr);
    cmsStageSampleCLut16bit(
        pClut,
        [](const cmsUInt16Number in[], cmsUInt16Number out[], void* pCargo) -> cmsInt32Number {
            const int cmyk[4] = {in[0] / 257, in[1] / 257, in[2] / 257, in[3] / 257};
            const Rgb rgb = SwappedInks(cmyk);
            const std::uint8_t bytes[3] = {rgb.r, rgb.g, rgb.b};
            cmsDoTransform(pCargo, bytes, out, 1);
            return TRUE;
        },
        toLab, 0);
    // Version 4's lutAtoBType wants curves on both sides of the table.
    cmsPipeline* pPipeline = cmsPipelineAlloc(nullptr, 4, 3);
    cmsPipelineInsertStage(pPipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(pPipeline, cmsAT_END, pClut);
    cmsPipelineInsertStage(pPipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsHPROFILE printer = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(printer, 4.3);
    cmsSetDeviceClass(printer, cmsSigOutputClass);
    cmsSetColorSpace(printer, cmsSigCmykData);
    cmsSetPCS(printer, cmsSigLabData);
    cmsWriteTag(printer, cmsSigAToB0Tag, pPipeline);
    cmsUInt32Number nSize = 0;
    cmsSaveProfileToMem(printer, nullptr, &nSize);
    std::vector<std::uint8_t> bytes(nSize);
    cmsSaveProfileToMem(printer, bytes.data(), &nSize);
    cmsCloseProfile(printer);
    cmsPipelineFree(pPipeline);
    cmsDeleteTransform(toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(srgb);
    return bytes;
}

// A CMYK JPEG of 8 x 8 blocks side by side, one ink mix each, so that every
// block is flat and comes back exactly; Adobe's files store the inks inverted.
std::vector<std::uint8_t> CmykJpeg(const std::vector<std::array<int, 4>>& blocks, bool bAdobe,
                                   const std::vector<std::uint8_t>& icc)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* pOut = nullptr;
    unsigned long nOut = 0;
    jpeg_mem_dest(&cinfo, &pOut, &nOut);
    cinfo.image_width = static_cast<JDIMENSION>(8 * blocks.size());
    cinfo.image_height = 8;
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_CMYK);
    jpeg_set_quality(&cinfo, 100, TRUE);
    cinfo.write_Adobe_marker = bAdobe;
    jpeg_start_compress(&cinfo, TRUE);
    if (!icc.empty()) jpeg_write_icc_profile(&cinfo, icc.data(), static_cast<unsigned>(icc.size()));
    std::vector<JSAMPLE> row;
    for (const auto& block : blocks)
        for (int x = 0; x < 8; ++x)
            for (int ink : block) row.push_back(static_cast<JSAMPLE>(bAdobe ? 255 - ink : ink));
    for (int y = 0; y < 8; ++y) {
        JSAMPROW pRow = row.data();
        jpeg_write_scanlines(&cinfo, &pRow, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> bytes(pOut, pOut + nOut);
    std::free(pOut);
    return bytes;
}

TEST(CmykJpeg, InksGoThroughTheFilesOwnProfileInvertedOrNot)
{
    const std::vector<std::array<int, 4>> blocks = {
        {0, 0, 0, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}, {0, 0, 0, 255}, {68, 136, 17, 51},
    };
    const std::vector<std::uint8_t> profile = SwappedInkProfile();
    TempDir dir;
    for (const bool bAdobe : {true, false}) {
        const Picture got = ImportBytes(dir, "cmyk.jpg", CmykJpeg(blocks, bAdobe, profile));
        ASSERT_EQ(got.nWidth, 8 * static_cast<int>(blocks.size())) << bAdobe;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const Rgb want = SwappedInks(blocks[i].data());
            const Rgb shown = got.At(static_cast<int>(8 * i + 3), 4);
            for (const auto& [nGot, nWant] : {std::pair{shown.r, want.r}, {shown.g, want.g}, {shown.b, want.b}})
                EXPECT_NEAR(nGot, nWant, 2) << "block " << i << (bAdobe ? " Adobe" : "");
        }
    }
    // A profile of RGB samples cannot describe inks.
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsUInt32Number nSize = 0;
    cmsSaveProfileToMem(srgb, nullptr, &nSize);
    std::vector<std::uint8_t> rgbProfile(nSize);
    cmsSaveProfileToMem(srgb, rgbProfile.data(), &nSize);
    cmsCloseProfile(srgb);
    std::vector<std::string> messages;
    EXPECT_EQ(ImportBytes(dir, "rgb-profile.jpg", CmykJpeg(blocks, true, rgbProfile), &messages).nWidth, 0);
    EXPECT_EQ(messages.front(), picture_msg::kBadColourProfile);
}

} // namespace
