// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "export/export_procedure.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace testing_support;

namespace {

std::string Text(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

class StoreLimitTest : public testing::Test {
protected:
    // A document holding a picture imported from a generated BMP file.
    std::unique_ptr<CTOVIXDoc> Import(int nWidth, int nHeight)
    {
        WriteFile(dir.File("pic.bmp"), BuildBmp(nWidth, nHeight, PatternPixel));
        auto doc = std::make_unique<CTOVIXDoc>();
        doc->SetTitle("pic.tvx");
        EXPECT_TRUE(ImportBmp(*doc, dir.File("pic.bmp"), dialogs));
        return doc;
    }

    RecordingDialogs dialogs;
    TempDir dir;
};

TEST_F(StoreLimitTest, PictureThatFillsTheStoreExactlyGoesEverywhere)
{
    std::unique_ptr<CTOVIXDoc> doc = Import(2048, 1024);
    ASSERT_TRUE(doc->CopyBitmapToPixels());
    EXPECT_EQ(doc->m_nWidth * doc->m_nHeight, CTOVIXDoc::kPixelCapacity);
    const testing_support::Rgb last = PatternPixel(2047, 1023);
    EXPECT_EQ(doc->PixelArray[CTOVIXDoc::kPixelCapacity - 1],
              std::uint32_t{last.b} << 16 | std::uint32_t{last.g} << 8 | last.r);

    ASSERT_TRUE(WriteDocumentFile(*doc, dir.File("full.tvx"), dialogs));
    EXPECT_EQ(std::filesystem::file_size(dir.File("full.tvx")), 34u + 4u * CTOVIXDoc::kPixelCapacity);
    auto opened = std::make_unique<CTOVIXDoc>();
    ASSERT_TRUE(ReadDocumentFile(*opened, dir.File("full.tvx"), dialogs));
    opened->SetTitle("full.tvx");   // the name the program gives a document it opens
    EXPECT_TRUE(std::equal(opened->PixelArray, opened->PixelArray + CTOVIXDoc::kPixelCapacity, doc->PixelArray));

    dialogs.savePath = dir.File("full.c");
    ASSERT_TRUE(RunExport(*opened, ExportFormat::Format1, dialogs));
    const std::string format1 = Text(dir.File("full.c"));
    EXPECT_NE(format1.find("unsigned long full[2097154] = {2048,1024,\r\n"), std::string::npos);
    EXPECT_TRUE(format1.ends_with("};\r\n"));

    dialogs.savePath = dir.File("full.txt");
    ASSERT_TRUE(RunExport(*opened, ExportFormat::Format2, dialogs));
    const std::string format2 = Text(dir.File("full.txt"));
    EXPECT_TRUE(format2.starts_with("TOVIX_FULL,2048,1024,\r\n"));
    EXPECT_EQ(std::count(format2.begin(), format2.end(), ','), 3 + CTOVIXDoc::kPixelCapacity - 1) << "every pixel";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StoreLimitTest, OnePixelMoreIsRefusedByExportAndSave)
{
    struct Case {
        const char* name;
        std::unique_ptr<CTOVIXDoc> doc;
    };
    Case cases[] = {{"2049 x 1024, imported", Import(2049, 1024)},
                    {"1024 x 2049, imported", Import(1024, 2049)},
                    {"2097153 x 1, made in memory", std::make_unique<CTOVIXDoc>()}};
    ASSERT_TRUE(cases[2].doc->m_image.Create(CTOVIXDoc::kPixelCapacity + 1, 1));
    cases[2].doc->m_bLoaded = 1;

    for (Case& c : cases) {
        dialogs.messages.clear();
        dialogs.saveQuestions.clear();
        dialogs.savePath = dir.File("large.out");
        for (ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2}) {
            EXPECT_FALSE(RunExport(*c.doc, format, dialogs)) << c.name;
        }
        EXPECT_FALSE(WriteDocumentFile(*c.doc, dir.File("large.tvx"), dialogs)) << c.name;
        EXPECT_EQ(dialogs.messages, std::vector<std::string>(3, msg::kPictureTooLarge)) << c.name;
        EXPECT_TRUE(dialogs.saveQuestions.empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.File("large.out"))) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.File("large.tvx"))) << c.name;
        EXPECT_EQ(c.doc->m_nWidth * c.doc->m_nHeight, 0) << c.name << ": the store is left as it was";
    }
}

} // namespace
