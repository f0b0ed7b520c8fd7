// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "core/picture_limits.h"
#include "core/tovix_doc.h"
#include "picture/picture_import.h"
#include "picture/picture_messages.h"
#include "picture/picture_reader.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <QColorSpace>
#include <QImage>
#include <QImageWriter>

#include <cmath>
#include <filesystem>
#include <memory>

#include <sys/resource.h>

using namespace testing_support;

namespace {

const std::vector<std::string> kFormatMessages = {msg::kBadBitmapFormat, msg::kCannotOpenBitmap};
const std::vector<std::string> kTruncatedMessages = {picture_msg::kTruncated, msg::kCannotOpenBitmap};
const std::vector<std::string> kCorruptMessages = {picture_msg::kCorrupt, msg::kCannotOpenBitmap};

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::size_t nOffset, std::uint32_t nValue)
{
    for (int i = 0; i < 4; ++i) bytes[nOffset + i] = static_cast<std::uint8_t>(nValue >> (24 - 8 * i));
}

// A PNG file whose header claims the given size over one real pixel row.
std::vector<std::uint8_t> PngClaiming(std::uint32_t nWidth, std::uint32_t nHeight)
{
    TempDir dir;
    QImage(1, 1, QImage::Format_RGB32).save(QString::fromStdString(dir.File("one.png")));
    std::vector<std::uint8_t> bytes = ReadFile(dir.File("one.png"));
    PutBigEndian(bytes, 16, nWidth);   // IHDR data starts at 16: width, height
    PutBigEndian(bytes, 20, nHeight);
    PutBigEndian(bytes, 29, Crc32(bytes.data() + 12, 17));
    return bytes;
}

std::uint8_t Low(std::uint16_t n) { return static_cast<std::uint8_t>(n); }
std::uint8_t High(std::uint16_t n) { return static_cast<std::uint8_t>(n >> 8); }

// A one-pixel GIF whose screen and image descriptor claim the given size.
std::vector<std::uint8_t> GifClaiming(std::uint16_t nWidth, std::uint16_t nHeight)
{
    return {'G',  'I',  'F',  '8', '9', 'a',  Low(nWidth), High(nWidth), Low(nHeight), High(nHeight), 0x80, 0, 0,
            0xFF, 0xFF, 0xFF, 0,   0,   0,    0x2C,        0,            0,            0,             0,    0,
            Low(nWidth), High(nWidth), Low(nHeight), High(nHeight), 0, 2, 2, 0x44, 0x01, 0, 0x3B};
}

// A JPEG frame header claiming the given size and a scan header, without
// tables or data.
std::vector<std::uint8_t> JpegClaiming(std::uint16_t nWidth, std::uint16_t nHeight)
{
    return {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, High(nHeight), Low(nHeight), High(nWidth), Low(nWidth),
            0x01, 0x01, 0x11, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0xFF, 0xD9};
}

// An uncompressed 24-bit TGA 2.0 file one pixel wide of two rows, stored in
// this order; the descriptor's bit 5 says whether the top row is first.
std::vector<std::uint8_t> Tga(std::uint8_t descriptor, Rgb first, Rgb second)
{
    std::vector<std::uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 24, descriptor};
    for (const Rgb& c : {first, second}) bytes.insert(bytes.end(), {c.b, c.g, c.r});
    const char footer[] = "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.";
    bytes.insert(bytes.end(), footer, footer + sizeof footer);
    return bytes;
}

std::vector<std::uint8_t> Saved(const QImage& picture, const char* format)
{
    TempDir dir;
    const std::string path = dir.File(std::string("p.") + format);
    EXPECT_TRUE(picture.save(QString::fromStdString(path), format)) << format;
    return ReadFile(path);
}

QImage Pattern(int nWidth, int nHeight, QImage::Format format)
{
    QImage picture(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x) {
            const Rgb c = PatternPixel(x, y);
            picture.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    return picture.convertToFormat(format);
}

class PictureImportTest : public testing::Test {
protected:
    // Whether the file came in and left a picture whose pixels can be read.
    bool Import(const std::vector<std::uint8_t>& bytes, const std::string& name, BackgroundColor background = {})
    {
        WriteFile(dir.File(name), bytes);
        return ImportPicture(*doc, dir.File(name), dialogs, background) && doc->m_image.IsLoaded();
    }

    // Pixel (x, y) of the source copy, y = 0 being the top row.
    Rgb PixelAt(int x, int y) const
    {
        const std::uint8_t* p =
            doc->m_image.m_pSrcBits + (doc->m_image.GetHeight() - 1 - y) * doc->m_image.GetStride() + 3 * x;
        return {p[2], p[1], p[0]};
    }

    TempDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<CTOVIXDoc> doc = std::make_unique<CTOVIXDoc>();
};

TEST_F(PictureImportTest, RefusedFilesSayWhyAndLeaveNoPicture)
{
    const std::vector<std::uint8_t> png = Saved(Pattern(6, 4, QImage::Format_RGB32), "png");
    const std::vector<std::uint8_t> gif = GifClaiming(1, 1);
    const std::vector<std::uint8_t> bmp8 = Saved(Pattern(6, 4, QImage::Format_Indexed8), "bmp");
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> messages;
    } cases[] = {
        {"text named .png", "t.png", {'h', 'e', 'l', 'l', 'o', '\n'}, kFormatMessages},
        {"empty file", "e.png", {}, kFormatMessages},
        {"PNG cut inside its header", "c.png", {png.begin(), png.begin() + 20}, kTruncatedMessages},
        {"PNG cut before its pixels", "d.png", {png.begin(), png.begin() + 40}, kTruncatedMessages},
        {"BMP cut inside its palette", "c.bmp", {bmp8.begin(), bmp8.begin() + 70}, kFormatMessages},
        {"BMP cut inside its pixels", "p.bmp", {bmp8.begin(), bmp8.end() - 10}, kTruncatedMessages},
        {"GIF cut after its screen", "h.gif", {gif.begin(), gif.begin() + 13}, kTruncatedMessages},
        {"JPEG without its tables", "s.jpg", JpegClaiming(4, 4), kCorruptMessages},
        {"PNG 4097 wide", "w.png", Saved(Pattern(4097, 1, QImage::Format_RGB32), "png"), {msg::kTooWide}},
        {"PNG 4097 high", "h.png", Saved(Pattern(1, 4097, QImage::Format_RGB32), "png"), {msg::kTooHigh}},
        {"PNG claiming 4097 x 4097", "b.png", PngClaiming(4097, 4097), {msg::kTooWide}},
        {"PNG claiming 100000 high", "a.png", PngClaiming(1, 100000), {msg::kTooHigh}},
        {"PNG claiming 2^31 - 1 high", "m.png", PngClaiming(1, 0x7FFFFFFF), {msg::kTooHigh}},
        {"GIF claiming 65535 wide", "a.gif", GifClaiming(65535, 1), {msg::kTooWide}},
        {"JPEG claiming 65000 high", "a.jpg", JpegClaiming(3, 65000), {msg::kTooHigh}},
        {"BMP claiming 30000 wide", "a.bmp", BuildBmp(30000, 2, PatternPixel, {.nBitCount = 8}), {msg::kTooWide}},
        {"directory", "folder.png", {}, {msg::kCannotOpenBitmap}},
        {"missing file", "missing.png", {}, {msg::kCannotOpenBitmap}},
        {"file larger than any picture, unread", "huge.png", png, {msg::kCannotOpenBitmap}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Import(png, "good.png"));
        dialogs.messages.clear();
        const std::string path = dir.File(c.file);
        if (c.file == "folder.png") std::filesystem::create_directory(path);
        else if (c.file != "missing.png") WriteFile(path, c.bytes);
        // A PNG with a hole after it: no disk is taken for it, nor memory once refused unread.
        if (c.file == "huge.png") std::filesystem::resize_file(path, kLargestPictureFileBytes + 1);
        EXPECT_FALSE(ImportPicture(*doc, path, dialogs)) << c.name;
        EXPECT_EQ(dialogs.messages, c.messages) << c.name;
        EXPECT_EQ(doc->m_bLoaded, 0) << c.name;
        EXPECT_FALSE(doc->m_image.IsLoaded()) << c.name;
        // The frames of an animation come in through a reader of their own.
        ASSERT_TRUE(Import(png, "good.png"));
        dialogs.messages.clear();
        PictureFrames frames;
        EXPECT_FALSE(ImportPictureFrames(*doc, path, dialogs, {}, frames)) << c.name;
        EXPECT_EQ(dialogs.messages, c.messages) << c.name << ", frames";
        EXPECT_FALSE(doc->m_image.IsLoaded()) << c.name << ", frames";
    }
}

// A header's height counts by its magnitude before anything is allocated:
// 4096 x -65,536 (rows top-down) in a file of 102 bytes once took 1 GiB.
TEST_F(PictureImportTest, TopDownHeightPastTheLimitIsRefusedBeforeAnyAllocation)
{
    std::vector<std::uint8_t> bytes = BuildBmp(4, 4, PatternPixel, {.bTopDown = true});
    const auto put32 = [&bytes](std::size_t nOffset, std::int32_t nValue) {
        for (int i = 0; i < 4; ++i) bytes[nOffset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(nValue) >> (8 * i));
    };
    put32(18, 4096);
    put32(22, -65536);
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_FALSE(Import(bytes, "tall.png"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kTooHigh});
    CDibImage image;
    EXPECT_EQ(ReadPictureFile(dir.File("tall.png"), {}, image, nullptr, kResizeInputLimits), PictureFault::TooHigh);
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 << 10) << "KiB taken at the peak";
}

TEST_F(PictureImportTest, PicturesAsWideOrAsHighAsTheLimitComeIn)
{
    for (const QSize size : {QSize(4096, 1), QSize(1, 4096)}) {
        ASSERT_TRUE(Import(Saved(Pattern(size.width(), size.height(), QImage::Format_RGB32), "png"), "edge.png"))
            << size.width() << " x " << size.height();
        EXPECT_EQ(doc->m_image.GetWidth(), size.width());
        EXPECT_EQ(doc->m_image.GetHeight(), size.height());
    }
}

TEST_F(PictureImportTest, TgaStoredTopRowFirstComesInTheRightWayUp)
{
    const Rgb red{255, 0, 0}, blue{0, 0, 255};
    ASSERT_TRUE(Import(Tga(0x20, red, blue), "top-first.tga"));
    EXPECT_EQ(PixelAt(0, 0), red);
    EXPECT_EQ(PixelAt(0, 1), blue);
}

TEST_F(PictureImportTest, EveryWrittenFormatComesInPixelForPixelAndReducedToTheCurrentMode)
{
    const struct {
        const char* format;
        QImage::Format pixels;
    } kinds[] = {
        {"png", QImage::Format_RGB32},  {"png", QImage::Format_Indexed8}, {"png", QImage::Format_RGB888},
        {"bmp", QImage::Format_RGB32},  {"bmp", QImage::Format_Indexed8}, {"ppm", QImage::Format_RGB32},
        {"tif", QImage::Format_RGB32},  {"xpm", QImage::Format_Indexed8}, {"webp", QImage::Format_RGB32},
    };
    doc->m_nColorMode = ColorMode::Mono;
    for (const auto& kind : kinds) {
        const QImage picture = Pattern(13, 7, kind.pixels);
        const std::string name = std::string("p.") + kind.format;
        QImage::Format written = kind.pixels;
        if (std::string(kind.format) == "webp") written = QImage::Format_RGB32;   // lossy unless asked
        std::vector<std::uint8_t> bytes = std::string(kind.format) == "webp" ? [&] {
            TempDir d;
            const QString path = QString::fromStdString(d.File("p.webp"));
            QImageWriter writer(path);
            writer.setQuality(100);
            EXPECT_TRUE(writer.write(picture));
            return ReadFile(d.File("p.webp"));
        }() : Saved(picture, kind.format);
        ASSERT_TRUE(Import(bytes, name)) << name;
        ASSERT_EQ(doc->m_image.GetWidth(), 13);
        ASSERT_EQ(doc->m_image.GetHeight(), 7);
        EXPECT_EQ(doc->m_bLoaded, 1);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x) {
                const QRgb expected = picture.pixel(x, y);
                ASSERT_EQ(PixelAt(x, y), (Rgb{static_cast<std::uint8_t>(qRed(expected)),
                                               static_cast<std::uint8_t>(qGreen(expected)),
                                               static_cast<std::uint8_t>(qBlue(expected))}))
                    << name << " format " << written << " at " << x << "," << y;
            }
        const std::uint8_t* pShown = doc->m_image.m_pDispBits;
        for (int i = 0; i < 3 * 13; ++i) EXPECT_TRUE(pShown[i] == 0 || pShown[i] == 255) << name;
    }
    // Under the name of a kind it is not, the content picks the reader.
    ASSERT_TRUE(Import(Saved(Pattern(13, 7, QImage::Format_RGB32), "ppm"), "p.ico"));
    EXPECT_EQ(doc->m_image.GetWidth(), 13);
}

TEST_F(PictureImportTest, TransparencyIsLaidOnTheBackgroundWithinOneLevel)
{
    QImage picture(256, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x) picture.setPixel(x, y, qRgba(x, 255 - x, (x * 7) & 255, y == 1 ? 0 : x));
    const BackgroundColor background{10, 200, 30};
    ASSERT_TRUE(Import(Saved(picture, "png"), "alpha.png", background));
    auto near = [](int nGot, int nColour, int nBack, int nAlpha) {
        const double a = nAlpha / 255.0;
        return std::abs(nGot - std::lround(a * nColour + (1 - a) * nBack)) <= 1;
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb p = picture.pixel(x, y);
            const Rgb got = PixelAt(x, y);
            if (qAlpha(p) == 0) {
                EXPECT_EQ(got, (Rgb{10, 200, 30})) << x << "," << y;
                continue;
            }
            EXPECT_TRUE(near(got.r, qRed(p), 10, qAlpha(p))) << x << "," << y;
            EXPECT_TRUE(near(got.g, qGreen(p), 200, qAlpha(p))) << x << "," << y;
            EXPECT_TRUE(near(got.b, qBlue(p), 30, qAlpha(p))) << x << "," << y;
        }
}

TEST_F(PictureImportTest, SixteenBitChannelsAreRoundedAndColourManagedOnesConvertedToSrgb)
{
    QImage deep(512, 1, QImage::Format_RGBX64);
    for (int x = 0; x < 512; ++x) {
        const int v = x * 128;   // steps of 128 cross every rounding boundary of 257
        deep.setPixelColor(x, 0, QColor::fromRgba64(static_cast<quint16>(v), static_cast<quint16>(65535 - v), 0x8080));
    }
    ASSERT_TRUE(Import(Saved(deep, "png"), "deep.png"));
    for (int x = 0; x < 512; ++x) {
        const int v = x * 128;
        const Rgb expected{static_cast<std::uint8_t>(std::lround(v / 257.0)),
                           static_cast<std::uint8_t>(std::lround((65535 - v) / 257.0)), 0x80};
        ASSERT_EQ(PixelAt(x, 0), expected) << x;
    }

    // Opaque samples of a picture with alpha keep their high byte too.
    QImage deepAlpha(3, 1, QImage::Format_RGBA64);
    const quint16 samples[] = {0x1234, 0xABCD, 0xFFFF};
    for (int x = 0; x < 3; ++x)
        deepAlpha.setPixelColor(x, 0, QColor::fromRgba64(samples[x], samples[(x + 1) % 3], samples[(x + 2) % 3], 0xFFFF));
    ASSERT_TRUE(Import(Saved(deepAlpha, "png"), "deep-alpha.png"));
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(PixelAt(x, 0), (Rgb{High(samples[x]), High(samples[(x + 1) % 3]), High(samples[(x + 2) % 3])})) << x;

    QImage linear(2, 1, QImage::Format_RGB32);
    linear.fill(qRgb(128, 128, 128));
    linear.setColorSpace(QColorSpace(QColorSpace::SRgbLinear));
    ASSERT_TRUE(Import(Saved(linear, "png"), "linear.png"));
    // Linear 128 is sRGB 188.
    EXPECT_NEAR(PixelAt(1, 0).g, 188, 1);
}

} // namespace
