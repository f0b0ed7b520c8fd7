#include "core/document_file.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/failing_output.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace testing_support;

namespace {

// Places where saving must fail even for root; where a file was there
// before, it must stay byte for byte.
TEST(FailedSave, NothingIsDamagedAndTheFailureIsReported)
{
    TempDir dir;
    WriteFile(dir.File("previous.tvx"), {'k', 'e', 'e', 'p', 0, 0xFF});
    auto doc = std::make_unique<CTOVIXDoc>();
    doc->m_nWidth = 100;
    doc->m_nHeight = 100;
    for (int i = 0; i < 100 * 100; ++i) doc->PixelArray[i] = static_cast<std::uint32_t>(i);
    ASSERT_TRUE(doc->CopyPixelsToBitmap());
    doc->m_bLoaded = 1;

    const FailingPlace cases[] = {
        {"full device", "/dev/full", std::nullopt},
        {"disk full after 1000 bytes", dir.File("previous.tvx"), 1000},
        {"folder that is a regular file", dir.File("previous.tvx/doc.tvx"), std::nullopt},
        // nobody, root included, creates files beside /proc/version
        {"system folder without new files", "/proc/version", std::nullopt},
    };
    for (const auto& c : cases) {
        const bool bHadFile = std::filesystem::is_regular_file(c.path);
        const std::vector<std::uint8_t> before = bHadFile ? ReadFile(c.path) : std::vector<std::uint8_t>{};
        const std::vector<std::string> folderBefore = dir.Names();
        RecordingDialogs dialogs;
        {
            const FileSizeLimit limit(c.nSizeLimit);
            EXPECT_FALSE(WriteDocumentFile(*doc, c.path, dialogs)) << c.name;
        }
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kCannotSaveDocument}) << c.name;
        if (bHadFile) {
            EXPECT_EQ(ReadFile(c.path), before) << c.name;
        }
        EXPECT_EQ(dir.Names(), folderBefore) << c.name << ": no temporary file is left";
        EXPECT_TRUE(doc->GetTitle().empty()) << c.name << ": the document keeps its old name";
    }
}

} // namespace
