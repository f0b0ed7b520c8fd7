// SPDX-License-Identifier: GPL-3.0-or-later
// PngSuite against pixels an independent decoder (pypng) gave once, made
// into what the import's rules ask for by tests/data/pngsuite/make_expected.py.
#include "core/tovix_doc.h"
#include "picture/picture_import.h"
#include "testkit/recording_dialogs.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <unistd.h>

using namespace testing_support;

namespace {

const std::string kSuite = std::string(TOVIX_TESTDATA_DIR) + "/pngsuite";

struct Expected {
    std::string name;
    int nWidth = 0, nHeight = 0, nTolerance = 0;
    std::string rgb;   // top row first
};

std::vector<Expected> ReadExpected()
{
    std::unique_ptr<gzFile_s, decltype(&gzclose)> file(gzopen((kSuite + "/expected.gz").c_str(), "rb"), gzclose);
    std::string bytes;
    char chunk[65536];
    for (int n; file && (n = gzread(file.get(), chunk, sizeof chunk)) > 0;) bytes.append(chunk, static_cast<std::size_t>(n));
    std::vector<Expected> records;
    for (std::size_t nAt = 0; nAt < bytes.size();) {
        const std::size_t nEnd = bytes.find('\n', nAt);
        Expected e;
        std::istringstream(bytes.substr(nAt, nEnd - nAt)) >> e.name >> e.nWidth >> e.nHeight >> e.nTolerance;
        const std::size_t nSize = 3 * static_cast<std::size_t>(e.nWidth) * e.nHeight;
        e.rgb = bytes.substr(nEnd + 1, nSize);
        nAt = nEnd + 1 + nSize;
        records.push_back(std::move(e));
    }
    return records;
}

// Runs the import with standard error going to a file, and returns what was written there.
std::string StderrOf(const std::function<void()>& run)
{
    std::fflush(stderr);
    const int nSaved = dup(2);
    std::FILE* pCapture = std::tmpfile();
    dup2(fileno(pCapture), 2);
    run();
    std::fflush(stderr);
    dup2(nSaved, 2);
    close(nSaved);
    std::string text;
    std::rewind(pCapture);
    for (int c; (c = std::fgetc(pCapture)) != EOF;) text += static_cast<char>(c);
    std::fclose(pCapture);
    return text;
}

TEST(PngSuite, EveryFileComesInAsTheIndependentDecoderAndTheRulesSay)
{
    const std::vector<Expected> records = ReadExpected();
    ASSERT_GE(records.size(), 150u);
    for (const Expected& e : records) {
        RecordingDialogs dialogs;
        auto doc = std::make_unique<CTOVIXDoc>();
        ASSERT_TRUE(ImportPicture(*doc, kSuite + "/" + e.name + ".png", dialogs)) << e.name;
        const CDibImage& image = doc->m_image;
        ASSERT_EQ(image.GetWidth(), e.nWidth) << e.name;
        ASSERT_EQ(image.GetHeight(), e.nHeight) << e.name;
        int nWorst = 0;
        for (int y = 0; y < e.nHeight; ++y)
            for (int x = 0; x < e.nWidth; ++x)
                for (int i = 0; i < 3; ++i) {
                    const int nGot = image.m_pSrcBits[(e.nHeight - 1 - y) * image.GetStride() + 3 * x + 2 - i];
                    const int nWant = static_cast<unsigned char>(e.rgb[3 * (static_cast<std::size_t>(y) * e.nWidth + x) + i]);
                    nWorst = std::max(nWorst, std::abs(nGot - nWant));
                }
        EXPECT_LE(nWorst, e.nTolerance) << e.name;
    }
}

TEST(PngSuite, EveryBrokenFileIsRefusedWithoutAWordFromTheDecoder)
{
    int nBroken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSuite)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("x") || entry.path().extension() != ".png") continue;
        ++nBroken;
        RecordingDialogs dialogs;
        auto doc = std::make_unique<CTOVIXDoc>();
        bool bImported = true;
        const std::string printed = StderrOf([&] { bImported = ImportPicture(*doc, entry.path().string(), dialogs); });
        EXPECT_FALSE(bImported) << name;
        EXPECT_EQ(dialogs.messages.size(), 2u) << name;
        EXPECT_EQ(printed, "") << name;
        EXPECT_FALSE(doc->m_image.IsLoaded()) << name;
    }
    EXPECT_GE(nBroken, 14);
}

} // namespace
