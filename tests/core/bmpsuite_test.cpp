// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"
#include "core/messages.h"
#include "core/picture_geometry.h"
#include "core/tovix_doc.h"
#include "testkit/recording_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

using namespace testing_support;

namespace {

const std::string kSuite = std::string(TOVIX_TESTDATA_DIR) + "/bmpsuite";

// The files whose refusal is not the generic format message.
const std::map<std::string, std::vector<std::string>> kSpecialOutcomes = {
    {"g/rgb24.bmp", {}},
    {"g/rgb24pal.bmp", {}},
    {"q/rgb24largepal.bmp", {}},
    {"b/reallybig.bmp", {msg::kTooWide}},
};

// Files of other bit depths are refused for that, unless their headers are
// broken first; this names the ones with a broken header or "BM" missing.
const char* const kFormatFailures[] = {
    "g/pal8os2.bmp",      "q/pal8os2-hs.bmp", "q/pal8os2-sz.bmp", "q/pal8os2sp.bmp",
    "q/pal8os2v2-16.bmp", "q/rgb24rle24.bmp", "x/ba-bm.bmp",
};

std::vector<std::string> ExpectedMessages(const std::string& name)
{
    if (auto it = kSpecialOutcomes.find(name); it != kSpecialOutcomes.end()) return it->second;
    for (const char* f : kFormatFailures)
        if (name == f) return {msg::kBadBitmapFormat, msg::kCannotOpenBitmap};
    return {msg::kNot24Bit};
}

// FORMAT_2 full-colour values from a .full.txt: the hex numbers after the first line.
std::vector<std::uint32_t> ValuesOfFullText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string first;
    std::getline(in, first);
    std::vector<std::uint32_t> values;
    std::string token;
    while (std::getline(in, token, ',')) values.push_back(static_cast<std::uint32_t>(std::stoul(token, nullptr, 16)));
    return values;
}

// The import of a picture shaped at once takes each file as the import does:
// the same refusals and the same pixels (a half turn and both flips shape a
// picture into itself).
TEST(BmpSuite, EveryFileGivesItsExpectedOutcome)
{
    ASSERT_TRUE(std::filesystem::is_directory(kSuite)) << kSuite << " is missing";
    Geometry same;
    same.rotation = Rotation::HalfTurn;
    same.bFlipHorizontal = same.bFlipVertical = true;
    const std::pair<const char*, std::function<bool(CTOVIXDoc&, const std::string&, UserDialogs&)>> imports[] = {
        {"import", [](CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs) { return ImportBmp(doc, path, dialogs); }},
        {"shaped import",
         [&](CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs) {
             return ImportShapedBmp(doc, path, dialogs, same, kDocumentLimits);
         }},
    };
    for (const auto& [how, import] : imports) {
        int nFiles = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSuite)) {
            if (entry.path().extension() != ".bmp") continue;
            const std::string name = std::string(how) + " " + std::filesystem::relative(entry.path(), kSuite).string();
            ++nFiles;
            RecordingDialogs dialogs;
            auto doc = std::make_unique<CTOVIXDoc>();
            const bool bImported = import(*doc, entry.path().string(), dialogs);
            const std::vector<std::string> expected = ExpectedMessages(std::filesystem::relative(entry.path(), kSuite).string());
            EXPECT_EQ(dialogs.messages, expected) << name;
            EXPECT_EQ(bImported, expected.empty()) << name;
            if (!bImported) continue;

            ASSERT_TRUE(doc->CopyBitmapToPixels());
            const std::vector<std::uint32_t> values = ValuesOfFullText(entry.path().string() + ".full.txt");
            ASSERT_EQ(values.size(), static_cast<std::size_t>(doc->m_nWidth * doc->m_nHeight)) << name;
            for (std::size_t i = 0; i < values.size(); ++i)
                ASSERT_EQ(doc->EncodePixel(static_cast<std::int32_t>(i)), values[i]) << name << " pixel " << i;
        }
        EXPECT_EQ(nFiles, 88) << how;
    }
}

} // namespace
