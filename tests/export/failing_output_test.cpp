// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_messages.h"
#include "export/export_procedure.h"
#include "testkit/bmp_builder.h"
#include "testkit/doc_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/failing_output.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace testing_support;

namespace {

class FailingExportTest : public testing::Test {
protected:
    // Large enough that the text outgrows any stdio buffer.
    std::unique_ptr<CTOVIXDoc> doc = MakeDocument(200, 100, ColorMode::Full, [](int i) { return i * 0x010203u; });
    RecordingDialogs dialogs;
    TempDir dir;
};

TEST_F(FailingExportTest, WriteThatRunsOutOfSpaceIsReportedAndTheFileClosed)
{
    const std::vector<std::uint8_t> previous = {'o', 'l', 'd', '\r', '\n', 0, 0xFF};
    WriteFile(dir.File("old.c"), previous);
    const FailingPlace cases[] = {
        {"full device", "/dev/full", std::nullopt},
        {"disk full after 1000 bytes", dir.File("out.c"), 1000},
        {"disk full over an existing file", dir.File("old.c"), 1000},
    };
    for (const auto& c : cases) {
        for (ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2}) {
            dialogs.messages.clear();
            dialogs.savePath = c.path;
            dialogs.bAnswerYes = true;
            const int nOpenBefore = OpenDescriptorCount();
            {
                const FileSizeLimit limit(c.nSizeLimit);
                EXPECT_FALSE(RunExport(*doc, format, dialogs)) << c.name;
            }
            EXPECT_EQ(dialogs.messages.back(), msg::kExportWriteFailed) << c.name;
            EXPECT_EQ(OpenDescriptorCount(), nOpenBefore) << c.name << ": the file is closed";
            EXPECT_EQ(ReadFile(dir.File("old.c")), previous) << c.name;
            EXPECT_EQ(dir.Names(), std::vector<std::string>{"old.c"}) << c.name << ": nothing new in the folder";
        }
    }
}

TEST_F(FailingExportTest, FileThatCannotBeCreatedEndsSilentlyWithNoFile)
{
    WriteFile(dir.File("plain"), {'x'});
    const std::string readOnly = dir.File("locked");
    std::filesystem::create_directory(readOnly);
    chmod(readOnly.c_str(), 0555);
    chmod(dir.Path().c_str(), 0755);
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"folder that is a regular file", dir.File("plain/out.c")},
        {"read-only folder", readOnly + "/out.c"},
    };
    // As an ordinary user: root may write into any folder, whatever its permissions.
    const std::optional<std::string> found = AsOrdinaryUser([&] {
        std::string wrong;
        for (const auto& c : cases) {
            for (ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2}) {
                RecordingDialogs userDialogs;
                userDialogs.savePath = c.path;
                const int nOpenBefore = OpenDescriptorCount();
                if (RunExport(*doc, format, userDialogs)) wrong += std::string(c.name) + ": exported; ";
                if (!userDialogs.messages.empty()) wrong += std::string(c.name) + ": a message; ";
                if (OpenDescriptorCount() != nOpenBefore) wrong += std::string(c.name) + ": a file left open; ";
            }
        }
        return wrong;
    });
    for (const auto& c : cases) EXPECT_FALSE(std::filesystem::exists(c.path)) << c.name;
    if (!found) GTEST_SKIP() << "the read-only folder needs a user without root's rights, and there is none";
    EXPECT_EQ(*found, "");
}

} // namespace
