// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "core/palette_file.h"
#include "core/tovix_doc.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;

namespace {

// A FIFO nobody writes to would hold a reader that opens it until somebody
// does: each reader refuses it at once, as it refuses any file that is not
// a regular one (a device such as /dev/zero would be read without end).
TEST(SpecialFilesTest, EveryReaderRefusesAFifoAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<const char*, std::function<bool()>> readers[] = {
        {"picture import",
         [&] {
             const auto doc = std::make_unique<CTOVIXDoc>();   // too large for a thread's stack
             RecordingDialogs dialogs;
             return !ImportBmp(*doc, fifo, dialogs) && dialogs.messages == std::vector<std::string>{msg::kCannotOpenBitmap};
         }},
        {"document open",
         [&] {
             const auto doc = std::make_unique<CTOVIXDoc>();
             RecordingDialogs dialogs;
             return !ReadDocumentFile(*doc, fifo, dialogs) &&
                    dialogs.messages == std::vector<std::string>{msg::kCannotOpenDocument};
         }},
        {"palette file", [&] { return ReadPaletteFile(fifo).fault == PaletteFileFault::CannotRead; }},
    };
    for (const auto& [name, read] : readers) {
        std::future<bool> refused = std::async(std::launch::async, read);
        if (refused.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << name << " waits for a writer";
            // A writer that comes and goes lets the reader see the end.
            close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_TRUE(refused.get()) << name;
    }
}

} // namespace
