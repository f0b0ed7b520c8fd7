// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/captured_picture.h"
#include "core/file_ptr.h"
#include "export/export_format.h"
#include "export/output_sink.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// What the format writes to a file, read back through a memory stream.
std::string WrittenToFile(const OutputFormat& format, const ExportJob& job)
{
    char* buffer = nullptr;
    std::size_t nSize = 0;
    FilePtr file(open_memstream(&buffer, &nSize));
    EXPECT_TRUE(WriteExportFile(file.get(), format, job));
    file.reset();
    std::string text(buffer, nSize);
    std::free(buffer);
    return text;
}

} // namespace

// Every kind of sink gets the bytes a file gets, over many of the writer's
// blocks: the string the same bytes, the counter their number.
TEST(OutputSink, StringAndCounterGetWhatAFileGets)
{
    const std::int32_t nWidth = 300, nHeight = 200;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(nWidth * nHeight));
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    const CapturedPicture picture = {nWidth, nHeight, ColorMode::Full, {128, 128, 128}, pixels, {}};
    for (const OutputFormat& format : OutputFormats()) {
        if (format.pszTarget != nullptr || !format.TakesMode(ColorMode::Full)) continue;
        const ExportJob job = {picture, "img", {}};
        const std::string file = WrittenToFile(format, job);
        ASSERT_GT(file.size(), std::size_t{1} << 17) << format.pszName;
        std::string text;
        StringSink collected(text);
        EXPECT_TRUE(WriteExport(collected.Sink(), format, job));
        EXPECT_EQ(text, file) << format.pszName;
        ByteCounter counter;
        EXPECT_TRUE(WriteExport(counter.Sink(), format, job));
        EXPECT_EQ(counter.Count(), static_cast<std::int64_t>(file.size())) << format.pszName;
    }
}
