// SPDX-License-Identifier: GPL-3.0-or-later
// Cut and damaged PNG, JPEG and GIF files: refused, never a partial or
// guessed picture.
#include "core/tovix_doc.h"
#include "picture/picture_import.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace testing_support;

namespace {

const std::string kData = std::string(TOVIX_TESTDATA_DIR);

const std::vector<std::string> kFiles = {
    "pngsuite/basn2c08.png", "pngsuite/basi6a16.png", "pngsuite/tbbn2c16.png",
    "damage/rose.jpg",       "damage/rose-progressive.jpg",
    "damage/rose.gif",       "damage/rose-interlaced.gif",
};

// The source copy of what the import made of the bytes; empty when refused.
std::vector<std::uint8_t> Imported(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    WriteFile(dir.File(name), bytes);
    RecordingDialogs dialogs;
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ImportPicture(*doc, dir.File(name), dialogs)) {
        EXPECT_EQ(dialogs.messages.size(), 2u) << name;
        return {};
    }
    const CDibImage& image = doc->m_image;
    const std::uint8_t* p = image.m_pSrcBits;
    return {p, p + image.GetStride() * image.GetHeight()};
}

std::string Extension(const std::string& path) { return path.substr(path.rfind('.')); }

// Where a JPEG's structure lies: every marker and segment length, and the
// frame and scan headers' counts, component ids and sampling factors.
// Tables and entropy-coded data are pixel data, which carries no checksum;
// so are the size (a flip within the last block's padding reads the same
// data), the quantization table chosen and the spectral range of a
// progressive scan: each gives another valid picture.
std::set<std::size_t> JpegStructure(const std::vector<std::uint8_t>& b)
{
    std::set<std::size_t> at;
    for (std::size_t i = 0; i + 3 < b.size();) {
        if (b[i] != 0xFF || b[i + 1] == 0x00 || b[i + 1] == 0xFF || (b[i + 1] >= 0xD0 && b[i + 1] <= 0xD7)) {
            ++i;
            continue;
        }
        const std::uint8_t marker = b[i + 1];
        at.insert({i, i + 1});
        if (marker == 0xD8 || marker == 0xD9) {
            i += 2;
            continue;
        }
        at.insert({i + 2, i + 3});
        if (marker >= 0xC0 && marker <= 0xC2) {
            at.insert({i + 4, i + 9});   // precision, component count
            for (std::size_t k = i + 10; k + 2 < i + 2 + (b[i + 2] << 8 | b[i + 3]); k += 3) at.insert({k, k + 1});
        }
        if (marker == 0xDA) {
            at.insert(i + 4);   // component count
            for (std::size_t k = 0; k < b[i + 4]; ++k) at.insert(i + 5 + 2 * k);
        }
        i += 2 + (b[i + 2] << 8 | b[i + 3]);
    }
    return at;
}

// Where a GIF's structure lies: its signature, the screen's flags, every
// block's introducer and label, the image blocks' position, LZW code size
// and every sub-block length, the trailer. The screen and block sizes are
// left out: a larger screen or a smaller block is a different, valid file.
std::set<std::size_t> GifStructure(const std::vector<std::uint8_t>& b)
{
    std::set<std::size_t> at = {0, 1, 2, 3, 4, 5, 10};
    std::size_t i = 13 + ((b[10] & 0x80) ? 3u << ((b[10] & 7) + 1) : 0);
    auto subBlocks = [&](std::size_t k) {
        while (k < b.size() && b[k] != 0) {
            at.insert(k);
            k += b[k] + 1u;
        }
        at.insert(k);
        return k + 1;
    };
    while (i < b.size()) {
        at.insert(i);
        if (b[i] == 0x3B) break;
        if (b[i] == 0x21) {
            at.insert(i + 1);
            i = subBlocks(i + 2);
            continue;
        }
        for (std::size_t k = i + 1; k < i + 5; ++k) at.insert(k);   // left, top
        const std::uint8_t flags = b[i + 9];
        i += 10 + ((flags & 0x80) ? 3u << ((flags & 7) + 1) : 0);
        at.insert(i);   // LZW code size
        i = subBlocks(i + 1);
    }
    return at;
}

TEST(DamagedFiles, EveryCutIsRefused)
{
    TempDir dir;
    for (const std::string& file : kFiles) {
        const std::vector<std::uint8_t> bytes = ReadFile(kData + "/" + file);
        ASSERT_FALSE(Imported(dir, "intact" + Extension(file), bytes).empty()) << file;
        // Every length near both ends, where headers and trailers are, and some between.
        std::set<std::size_t> lengths;
        for (std::size_t n = 1; n < bytes.size(); n += n < 100 || n > bytes.size() - 100 ? 1 : 37) lengths.insert(n);
        for (const std::size_t n : lengths) {
            const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
            EXPECT_TRUE(Imported(dir, "cut" + Extension(file), cut).empty()) << file << " cut to " << n << " bytes";
        }
    }
}

TEST(DamagedFiles, EveryFlippedBitIsRefusedOrChangesNothing)
{
    TempDir dir;
    for (const std::string& file : kFiles) {
        const std::vector<std::uint8_t> bytes = ReadFile(kData + "/" + file);
        const std::string extension = Extension(file);
        const std::vector<std::uint8_t> intact = Imported(dir, "intact" + extension, bytes);
        // A PNG's CRCs cover every byte but the signature's, which no other
        // kind shares: its headers and then a sample of the rest.
        std::set<std::size_t> places;
        if (extension == ".png") for (std::size_t i = 0; i < bytes.size(); i += i < 64 ? 1 : 11) places.insert(i);
        if (extension == ".jpg") places = JpegStructure(bytes);
        if (extension == ".gif") places = GifStructure(bytes);
        ASSERT_GE(places.size(), 20u) << file;
        for (const std::size_t i : places) {
            for (int nBit = 0; nBit < 8; ++nBit) {
                if (extension == ".png" && nBit != static_cast<int>(i % 8)) continue;   // one bit a byte suffices
                std::vector<std::uint8_t> flipped = bytes;
                flipped[i] ^= static_cast<std::uint8_t>(1 << nBit);
                const std::vector<std::uint8_t> got = Imported(dir, "flipped" + extension, flipped);
                EXPECT_TRUE(got.empty() || got == intact) << file << " byte " << i << " bit " << nBit;
            }
        }
    }
}

} // namespace
