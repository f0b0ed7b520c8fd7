// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/res/resource.h"
#include "export/export_messages.h"

#include <cstdlib>
#include <sys/wait.h>

using namespace testing_support;

namespace {

std::string Text(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

TEST_F(AppTest, ExportWithoutAPictureShowsOnlyTheNoDataMessage)
{
    dialogs.savePath = dir.File("out.c");
    for (int nId : {res::ID_EXPORT_FORMAT1, res::ID_EXPORT_FORMAT2}) {
        dialogs.messages.clear();
        Run(nId);
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kNoExportData});
    }
    EXPECT_TRUE(dialogs.saveQuestions.empty());
}

TEST_F(AppTest, ExportOffersTheDocumentsNameAndWritesWhatTheCommandLineToolWrites)
{
    WriteFile(dir.File("pic.bmp"), BuildBmp(21, 9, PatternPixel));
    ImportThroughMenu(dir.File("pic.bmp"));
    Run(res::ID_COLOR_16BPP);
    dialogs.savePath = dir.File("sample.tvx");
    Run(res::ID_FILE_SAVE);

    const struct {
        int nId;
        const char* format;
        const char* file;
    } commands[] = {{res::ID_EXPORT_FORMAT1, "1", "sample.c"}, {res::ID_EXPORT_FORMAT2, "2", "sample.txt"}};
    for (const auto& command : commands) {
        dialogs.saveQuestions.clear();
        dialogs.savePath = dir.File(command.file);
        Run(command.nId);
        ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
        EXPECT_EQ(dialogs.saveQuestions[0].strInitialName, "sample");

        const std::string cli = std::string(TOVIX_EXPORT_BIN) + " -f " + command.format + " -o " +
                                dir.File(std::string("cli-") + command.file) + " " + dir.File("sample.tvx");
        ASSERT_EQ(std::system(cli.c_str()), 0);
        EXPECT_EQ(Text(dir.File(command.file)), Text(dir.File(std::string("cli-") + command.file))) << command.file;
    }
}

TEST_F(AppTest, OverwriteAnsweredNoLeavesTheFileByteForByte)
{
    WriteFile(dir.File("pic.bmp"), BuildBmp(5, 5, PatternPixel));
    ImportThroughMenu(dir.File("pic.bmp"));
    const std::vector<std::uint8_t> previous = {'k', 'e', 'e', 'p', '\r', '\n', 0};
    WriteFile(dir.File("TOVIX1.c"), previous);
    dialogs.savePath = dir.File("TOVIX1.c");
    dialogs.bAnswerYes = false;
    Run(res::ID_EXPORT_FORMAT1);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kOverwriteQuestion});
    EXPECT_EQ(ReadFile(dir.File("TOVIX1.c")), previous);
}

} // namespace
