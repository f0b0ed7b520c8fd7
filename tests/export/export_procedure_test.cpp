// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document_file.h"
#include "core/messages.h"
#include "export/export_messages.h"
#include "export/export_procedure.h"
#include "testkit/bmp_builder.h"
#include "testkit/doc_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;

namespace {

class ExportProcedureTest : public testing::Test {
protected:
    std::unique_ptr<CTOVIXDoc> doc = MakeDocument(3, 2, ColorMode::Colors256, [](int i) { return i * 0x112233u; });
    RecordingDialogs dialogs;
    TempDir dir;
};

TEST_F(ExportProcedureTest, WithoutAPictureOnlyTheNoDataMessageShows)
{
    auto empty = std::make_unique<CTOVIXDoc>();
    dialogs.savePath = dir.File("out.c");
    EXPECT_FALSE(RunExport(*empty, ExportFormat::Format1, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kNoExportData});
    EXPECT_TRUE(dialogs.saveQuestions.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.c")));
}

TEST_F(ExportProcedureTest, DialogOffersTheExportNameExtensionAndFilters)
{
    doc->SetTitle("my.photo.tvx");
    for (ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2}) {
        RunExport(*doc, format, dialogs);
    }
    ASSERT_EQ(dialogs.saveQuestions.size(), 2u);
    EXPECT_EQ(dialogs.saveQuestions[0].strInitialName, "myphoto");
    EXPECT_EQ(dialogs.saveQuestions[0].strDefaultExt, "c");
    EXPECT_FALSE(dialogs.saveQuestions[0].bConfirmOverwrite) << "the export asks its own question";
    EXPECT_TRUE(dialogs.saveQuestions[0].strFilters.starts_with("C Source Files (*.c);;"));
    EXPECT_EQ(dialogs.saveQuestions[1].strDefaultExt, "txt");
    EXPECT_TRUE(dialogs.saveQuestions[1].strFilters.starts_with("Text Files (*.txt);;"));
    EXPECT_TRUE(dialogs.messages.empty()) << "a cancelled dialog ends silently";
}

TEST_F(ExportProcedureTest, CancelStillCapturesThePicture)
{
    doc->m_nWidth = 0;
    EXPECT_FALSE(RunExport(*doc, ExportFormat::Format1, dialogs));
    EXPECT_EQ(doc->m_nWidth, 3);
    dialogs.savePath = "";
    EXPECT_FALSE(RunExport(*doc, ExportFormat::Format1, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExportProcedureTest, ExistingFileIsReplacedOnlyAfterYes)
{
    const std::vector<std::uint8_t> previous = {'o', 'l', 'd', '\n', 0, 0xFF};
    WriteFile(dir.File("sample.txt"), previous);
    dialogs.savePath = dir.File("sample.txt");

    EXPECT_FALSE(RunExport(*doc, ExportFormat::Format2, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kOverwriteQuestion});
    EXPECT_EQ(ReadFile(dir.File("sample.txt")), previous);

    dialogs.bAnswerYes = true;
    EXPECT_TRUE(RunExport(*doc, ExportFormat::Format2, dialogs));
    const std::vector<std::uint8_t> written = ReadFile(dir.File("sample.txt"));
    EXPECT_EQ(std::string(written.begin(), written.end()), ExportText(*doc, false));
}

TEST_F(ExportProcedureTest, NewFileGetsTheWritersTextWithoutAQuestion)
{
    dialogs.savePath = dir.File("new.c");
    EXPECT_TRUE(RunExport(*doc, ExportFormat::Format1, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    const std::vector<std::uint8_t> written = ReadFile(dir.File("new.c"));
    EXPECT_EQ(std::string(written.begin(), written.end()), ExportText(*doc, true, "sample"));
}

TEST_F(ExportProcedureTest, FileThatCannotBeCreatedEndsSilently)
{
    dialogs.savePath = dir.File("missing-folder/out.c");
    EXPECT_FALSE(RunExport(*doc, ExportFormat::Format1, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dialogs.savePath->c_str()));
}

TEST_F(ExportProcedureTest, FullDiskIsReported)
{
    dialogs.savePath = "/dev/full";
    dialogs.bAnswerYes = true;
    EXPECT_FALSE(RunExport(*doc, ExportFormat::Format1, dialogs));
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{msg::kOverwriteQuestion, msg::kExportWriteFailed}));
}

// Names as long as the folder allows, in any script, are written, and a link
// keeps pointing at the file it names; a longer name cannot be created.
TEST_F(ExportProcedureTest, ExportAndSaveTakeAnyNameTheFolderTakes)
{
    std::string japanese;
    for (int i = 0; i < 83; ++i) japanese += "ア";
    WriteFile(dir.File("real.c"), {'o', 'l', 'd'});
    std::filesystem::create_symlink("real.c", dir.File("link.c"));
    const struct {
        const char* name;
        std::string file;
        bool bWritten;
    } cases[] = {
        {"255 bytes", std::string(253, 'a') + ".c", true},
        {"83 Japanese characters", japanese + ".c", true},
        {"link", "link.c", true},
        {"256 bytes", std::string(254, 'a') + ".c", false},
    };
    dialogs.bAnswerYes = true;
    doc->SetTitle("sample");
    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.savePath = dir.File(c.file);
        EXPECT_EQ(RunExport(*doc, ExportFormat::Format1, dialogs), c.bWritten) << c.name;
        if (c.bWritten) {
            const std::vector<std::uint8_t> written = ReadFile(dir.File(c.file));
            EXPECT_EQ(std::string(written.begin(), written.end()), ExportText(*doc, true, "sample")) << c.name;
        }
        EXPECT_EQ(WriteDocumentFile(*doc, dir.File(c.file), dialogs), c.bWritten) << c.name;
        if (c.bWritten) {
            EXPECT_EQ(ReadFile(dir.File(c.file)).size(), 34u + 4 * 6) << c.name;
        } else {
            EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kCannotSaveDocument}) << c.name;
        }
        for (const std::string& name : dir.Names()) EXPECT_NE(name[0], '.') << c.name << ": temporary file left";
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.c")));
    EXPECT_EQ(ReadFile(dir.File("real.c")).size(), 34u + 4 * 6);
}

TEST_F(ExportProcedureTest, PictureLargerThanTheStoreIsRefusedBeforeTheDialog)
{
    auto large = std::make_unique<CTOVIXDoc>();
    ASSERT_TRUE(large->m_image.Create(2049, 1024));
    large->m_bLoaded = 1;
    dialogs.savePath = dir.File("large.c");
    EXPECT_FALSE(RunExport(*large, ExportFormat::Format2, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kPictureTooLarge});
    EXPECT_TRUE(dialogs.saveQuestions.empty());
}

// A file the user may replace but not read is still there, and still asked about.
TEST_F(ExportProcedureTest, AnUnreadableFileIsAskedAboutBeforeItIsReplaced)
{
    const std::string path = dir.File("locked.c");
    WriteFile(path, {'k', 'e', 'e', 'p'});
    ASSERT_EQ(chmod(path.c_str(), 0222), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    const std::optional<std::string> found = AsOrdinaryUser([&] {
        RecordingDialogs userDialogs;
        userDialogs.savePath = path;
        if (RunExport(*doc, ExportFormat::Format1, userDialogs)) return std::string("replaced");
        return userDialogs.messages == std::vector<std::string>{msg::kOverwriteQuestion} ? std::string() : std::string("not asked");
    });
    if (!found) GTEST_SKIP() << "an unreadable file needs a user without root's rights, and there is none";
    EXPECT_EQ(*found, "");
    EXPECT_EQ(std::filesystem::file_size(path), 4u);
}

} // namespace
