// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of animations, composited by each format's rules, against
// frames worked out by hand from how tests/scripts/make_animations.py made
// the files; still pictures as one frame; cut animations refused whole.
#include "core/rgb_image.h"
#include "core/tovix_doc.h"
#include "picture/picture_frames.h"
#include "picture/picture_import.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

using namespace testing_support;

namespace {

const std::string kData = std::string(TOVIX_TESTDATA_DIR);

using Rgba = std::array<std::uint8_t, 4>;

// One letter a pixel: the colours the animations are drawn with.
const std::map<char, Rgba> kColours = {
    {'R', {255, 0, 0, 255}}, {'G', {0, 255, 0, 255}}, {'B', {0, 0, 255, 255}}, {'Y', {255, 255, 0, 255}},
    {'_', {0, 0, 0, 0}},
    {'h', {255, 0, 0, 128}},   // half-transparent red
    {'P', {127, 0, 128, 255}}, // half-transparent blue over red, each sample rounded once
    {'b', {0, 0, 255, 75}},    // blue at 19179 of 65535
    // red at 30111 over that: alpha 157.502 of 255, red 189.69, blue 65.31
    {'p', {190, 0, 65, 158}},
};

struct ExpectedFrame {
    const char* pixels;   // 4 x 1, by kColours
    int nDelayMs;
};

std::vector<std::uint8_t> Pixels(const char* letters)
{
    std::vector<std::uint8_t> rgba;
    for (const char* p = letters; *p; ++p) rgba.insert(rgba.end(), kColours.at(*p).begin(), kColours.at(*p).end());
    return rgba;
}

TEST(PictureFrames, EachDisposalAndBlendingRuleComposites)
{
    const struct {
        const char* file;
        std::vector<ExpectedFrame> frames;
    } cases[] = {
        // GIF: keep, to background (transparent), to previous, unspecified
        // (keep), and a transparent index that leaves the pixel below.
        {"disposals.gif", {{"RRRR", 100}, {"RBRR", 200}, {"R_GR", 300}, {"R_RY", 400}, {"RBRY", 500}}},
        // APNG, its image the first frame: source, over, to background, to
        // previous; delays in tenths, thousandths, a denominator of 0 and hundredths.
        {"default-image.png", {{"RRRR", 100}, {"RB_R", 20}, {"Gh_R", 30}, {"R__P", 40}}},
        // APNG whose image is no frame; palette with a transparent entry;
        // the first frame going back to previous clears it.
        {"hidden-image.png", {{"RRRR", 50}, {"__G_", 60}}},
        // 16 bits, partial alpha over partial alpha.
        {"partial-over-partial.png", {{"bbbb", 100}, {"pbbb", 200}}},
        // WebP: no blending, blending, to background.
        {"blends.webp", {{"RRRR", 100}, {"RRBR", 200}, {"G___", 300}, {"G_YY", 400}}},
    };
    for (const auto& c : cases) {
        PictureFrames got;
        ASSERT_EQ(ReadPictureFrames(kData + "/animation/" + c.file, got), PictureFault::None) << c.file;
        EXPECT_EQ(got.nWidth, 4) << c.file;
        EXPECT_EQ(got.nHeight, 1) << c.file;
        ASSERT_EQ(got.frames.size(), c.frames.size()) << c.file;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            EXPECT_EQ(got.frames[i].rgba, Pixels(c.frames[i].pixels)) << c.file << " frame " << i;
            EXPECT_EQ(got.frames[i].nDelayMs, c.frames[i].nDelayMs) << c.file << " frame " << i;
        }
    }
}

// The import's source copy, top row first, as RGB.
std::vector<std::uint8_t> Rows(const CDibImage& image)
{
    std::vector<std::uint8_t> rgb;
    for (int y = image.GetHeight() - 1; y >= 0; --y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const std::uint8_t* p = image.m_pSrcBits + y * image.GetStride() + 3 * x;
            rgb.insert(rgb.end(), {p[2], p[1], p[0]});
        }
    return rgb;
}

TEST(PictureFrames, TheImportTakesTheFirstFrameOrAnApngsImage)
{
    const struct {
        const char* file;
        const char* imported;   // on white; null: the first frame laid on white
    } cases[] = {
        {"animation/disposals.gif", nullptr}, {"animation/default-image.png", nullptr},
        {"animation/blends.webp", nullptr},   {"animation/hidden-image.png", "YYYY"},
        {"tga/rgba.png", nullptr},            {"tga/rgba-rle-top.tga", nullptr},
        {"damage/rose.jpg", nullptr},         {"animation/turned.png", nullptr},
    };
    for (const auto& c : cases) {
        const std::string path = kData + "/" + c.file;
        RecordingDialogs dialogs;
        auto doc = std::make_unique<CTOVIXDoc>();
        ASSERT_TRUE(ImportPicture(*doc, path, dialogs)) << c.file;
        PictureFrames frames;
        ASSERT_EQ(ReadPictureFrames(path, frames), PictureFault::None) << c.file;
        CDibImage flattened;
        ASSERT_EQ(FlattenFrame(frames, 0, {}, flattened), PictureFault::None) << c.file;
        std::vector<std::uint8_t> expected = Rows(flattened);
        if (c.imported) {
            expected.clear();
            for (const char* p = c.imported; *p; ++p) expected.insert(expected.end(), kColours.at(*p).begin(), kColours.at(*p).begin() + 3);
        }
        EXPECT_EQ(Rows(doc->m_image), expected) << c.file;
        // The formats that keep alpha read the same picture.
        CDibImage split;
        std::vector<std::uint8_t> alpha;
        ASSERT_EQ(ReadPictureFile(path, {}, split, &alpha), PictureFault::None) << c.file;
        if (std::all_of(alpha.begin(), alpha.end(), [](std::uint8_t a) { return a == 255; })) {
            EXPECT_EQ(Rows(split), expected) << c.file;
        }
    }
}

// The one picture the tool shapes as it comes in is the working bitmap's
// source copy, and every file that is refused is refused alike.
TEST(PictureFrames, PicturePixelsAreTheWorkingBitmapOfEveryFile)
{
    int nRead = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kData)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".bmp") continue;
        const std::string path = entry.path().string();
        const BackgroundColor background{10, 200, 30};
        CDibImage image;
        RgbImage picture;
        const PictureFault fault = ReadPictureFile(path, background, image);
        ASSERT_EQ(ReadPicturePixels(path, background, picture), fault) << path;
        if (fault != PictureFault::None) continue;
        ++nRead;
        EXPECT_EQ(picture.nWidth, image.GetWidth()) << path;
        EXPECT_EQ(picture.nHeight, image.GetHeight()) << path;
        EXPECT_EQ(picture.rgb, Rows(image)) << path;
    }
    EXPECT_GT(nRead, 150);
}

TEST(PictureFrames, AStillPictureIsOneFrameWithItsAlpha)
{
    PictureFrames frames;
    ASSERT_EQ(ReadPictureFrames(kData + "/pngsuite/basn6a08.png", frames), PictureFault::None);
    ASSERT_EQ(frames.frames.size(), 1u);
    const std::vector<std::uint8_t>& rgba = frames.frames[0].rgba;
    ASSERT_EQ(rgba.size(), 32u * 32 * 4);
    // Alpha as pypng reads it; a transparent pixel is all 0.
    EXPECT_EQ(rgba[31 * 4 + 3], 255);
    EXPECT_EQ(rgba[(16 * 32 + 16) * 4 + 3], 131);
    EXPECT_EQ(std::vector<std::uint8_t>(rgba.begin(), rgba.begin() + 4), std::vector<std::uint8_t>(4, 0));
}

TEST(PictureFrames, AFrameIsTurnedAsItsExifOrientationSays)
{
    PictureFrames frames;
    ASSERT_EQ(ReadPictureFrames(kData + "/animation/turned.png", frames), PictureFault::None);
    EXPECT_EQ(frames.nWidth, 2);
    EXPECT_EQ(frames.nHeight, 3);
    ASSERT_EQ(frames.frames.size(), 1u);
    // Stored RGB over Y_h, shown a quarter turn clockwise.
    EXPECT_EQ(frames.frames[0].rgba, Pixels("YR_GhB"));
}

TEST(PictureFrames, ACutOrDamagedAnimationIsRefusedWhole)
{
    TempDir dir;
    PictureFrames none;
    EXPECT_EQ(ReadPictureFrames(dir.File("missing.gif"), none), PictureFault::CannotOpen);
    for (const char* name : {"disposals.gif", "default-image.png", "hidden-image.png", "blends.webp"}) {
        const std::vector<std::uint8_t> bytes = ReadFile(kData + "/animation/" + name);
        const std::string path = dir.File(name);
        for (std::size_t n = 1; n < bytes.size(); ++n) {
            WriteFile(path, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)});
            PictureFrames frames;
            EXPECT_NE(ReadPictureFrames(path, frames), PictureFault::None) << name << " cut at " << n;
            EXPECT_TRUE(frames.frames.empty()) << name << " cut at " << n;
        }
    }
    // A bit flipped in the last frame's data: its CRC refuses it.
    std::vector<std::uint8_t> png = ReadFile(kData + "/animation/default-image.png");
    png[png.size() - 20] ^= 1;
    WriteFile(dir.File("flipped.png"), png);
    PictureFrames frames;
    EXPECT_EQ(ReadPictureFrames(dir.File("flipped.png"), frames), PictureFault::Corrupt);
}

// The APNG with 4 bytes at an offset in the data of its nth chunk of the
// type changed and that chunk's CRC made again, so that only the change is wrong.
std::vector<std::uint8_t> WithChunkChanged(const char* type, int nth, std::size_t offset, std::uint32_t value)
{
    std::vector<std::uint8_t> png = ReadFile(kData + "/animation/default-image.png");
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
        if (std::equal(type, type + 4, &png[at + 4]) && nth-- == 0) {
            for (int i = 0; i < 4; ++i) png[at + 8 + offset + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
            const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, &png[at + 4], 4 + length));
            for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
            break;
        }
        at += 12 + length;
    }
    return png;
}

TEST(PictureFrames, AnApngWhoseFramesDoNotAddUpIsRefused)
{
    const struct {
        const char* what;
        std::vector<std::uint8_t> png;
    } cases[] = {
        {"a sequence number skipped", WithChunkChanged("fdAT", 0, 0, 3)},
        {"a sequence number repeated", WithChunkChanged("fcTL", 2, 0, 2)},
        {"one frame more announced", WithChunkChanged("acTL", 0, 0, 5)},
        {"a frame past the canvas's right edge", WithChunkChanged("fcTL", 1, 4, 4)},
        {"a frame below the canvas", WithChunkChanged("fcTL", 3, 16, 1)},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteFile(dir.File("changed.png"), c.png);
        PictureFrames frames;
        EXPECT_EQ(ReadPictureFrames(dir.File("changed.png"), frames), PictureFault::Corrupt) << c.what;
    }
}

TEST(PictureFrames, TooManyFramesForTheirSizeAreRefusedFromTheHeader)
{
    PictureFrames frames;
    EXPECT_EQ(ReadPictureFrames(kData + "/animation/too-many-frames.png", frames), PictureFault::TooManyFrames);
    EXPECT_TRUE(frames.frames.empty());
}

} // namespace
