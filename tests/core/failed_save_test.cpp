// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document_file.h"
#include "core/file_transaction.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/failing_output.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <sys/syscall.h>
#include <unistd.h>

using namespace testing_support;

namespace {

// Which call of fsync fails, counting from 1; 0 lets every call through.
int g_nFailingSync = 0;
int g_nSyncCalls = 0;

// While alive, the nth call of fsync from now on fails as a disk that
// loses a write does.
class FailingSync {
public:
    explicit FailingSync(int nCall) { g_nFailingSync = nCall, g_nSyncCalls = 0; }
    ~FailingSync() { g_nFailingSync = 0; }
};

} // namespace

// Stands in for the C library's fsync in this test program.
extern "C" int fsync(int fd)
{
    if (g_nFailingSync != 0 && ++g_nSyncCalls == g_nFailingSync) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

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

TEST(FailedSave, SyncThatFailsReplacesNothing)
{
    TempDir dir;
    auto doc = std::make_unique<CTOVIXDoc>();
    WriteFile(dir.File("previous.tvx"), {'k', 'e', 'e', 'p'});
    RecordingDialogs dialogs;
    {
        const FailingSync failing(1);
        EXPECT_FALSE(WriteDocumentFile(*doc, dir.File("previous.tvx"), dialogs));
    }
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kCannotSaveDocument});
    EXPECT_EQ(ReadFile(dir.File("previous.tvx")), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"previous.tvx"}) << "no temporary file is left";

    // Files of one run land together or not at all, whichever of them fails.
    const std::vector<std::string> names = {"a.c", "b.h", "c.tvx"};
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    for (const std::string& name : names) WriteFile(dir.File(name), old);
    for (int nFailing = 1; nFailing <= 3; ++nFailing) {
        {
            CFileTransaction files;
            for (const std::string& name : names) {
                std::FILE* file = files.Add(dir.File(name));
                ASSERT_NE(file, nullptr) << name;
                std::fputs("new", file);
            }
            const FailingSync failing(nFailing);
            const std::optional<CFileTransaction::Failure> failure = files.Commit();
            ASSERT_TRUE(failure) << "sync " << nFailing << " failing";
            EXPECT_EQ(failure->strTarget, dir.File(names[nFailing - 1]));
            EXPECT_EQ(failure->outcome, WriteOutcome::WriteFailed);
        }
        for (const std::string& name : names) EXPECT_EQ(ReadFile(dir.File(name)), old) << name << ", sync " << nFailing << " failing";
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.c", "b.h", "c.tvx", "previous.tvx"}));
    }
}

} // namespace
