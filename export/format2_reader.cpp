// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/format2_writer.h"
#include "export/format_readers.h"
#include "export/pixel_lines.h"

#include "core/pixel_format.h"

namespace {

// The layout whose identifier starts the line, or null.
const ModeLayout* LayoutNamedBy(std::string_view first)
{
    for (const PixelFormat& format : PixelFormats()) {
        const ModeLayout* layout = FindModeLayout(format.mode);
        if (layout != nullptr && first.starts_with(std::string(layout->pszIdentifier) + ",")) return layout;
    }
    return nullptr;
}

} // namespace

bool IsFormat2Start(std::string_view first)
{
    return LayoutNamedBy(first) != nullptr;
}

ReadError ReadFormat2(std::string_view first, Lines& lines, PictureBuffer& picture)
{
    const ModeLayout& layout = *LayoutNamedBy(first);
    const std::vector<std::int64_t> numbers = NumbersIn(first.substr(std::string_view(layout.pszIdentifier).size()));
    if (numbers.size() != 2 || first != Format2FirstLine(layout, numbers[0], numbers[1]))
        return AtLine(1, "the first line is not IDENTIFIER,WIDTH,HEIGHT,");
    if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;
    return ReadPixelLines(lines, layout, numbers[0], numbers[1], false, false, picture);
}
