// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/code_page_932.h"
#include "export/format1_writer.h"
#include "export/format_readers.h"
#include "export/pixel_lines.h"

#include <array>

namespace {

constexpr int kCommentLines = 5;

// The comment block's lines in order, split at their "\n".
std::array<std::string, kCommentLines> SplitLines(const std::string& block)
{
    std::array<std::string, kCommentLines> lines;
    std::size_t nPos = 0;
    for (std::string& line : lines) {
        const std::size_t nEnd = block.find('\n', nPos);
        line = block.substr(nPos, nEnd - nPos);
        nPos = nEnd + 1;
    }
    return lines;
}

} // namespace

bool IsFormat1Start(std::string_view first)
{
    return first == SplitLines(Format1CommentBlock(0, 0, 0))[0];
}

ReadError ReadFormat1(std::string_view first, Lines& lines, PictureBuffer& picture)
{
    // The numbers the block was made from, then the block made again from them.
    std::array<std::string, kCommentLines> read{std::string(first)};
    for (int i = 1; i < kCommentLines; ++i) {
        std::string_view line;
        if (lines.Next(line)) read[i] = line;
    }
    const std::vector<std::int64_t> modeNumbers = NumbersIn(read[2]);
    const std::vector<std::int64_t> sizeNumbers = NumbersIn(read[3]);
    const std::int64_t nMode = modeNumbers.size() == 1 ? modeNumbers[0] : -1;
    const std::int64_t nWidth = sizeNumbers.size() == 2 ? sizeNumbers[0] : -1;
    const std::int64_t nHeight = sizeNumbers.size() == 2 ? sizeNumbers[1] : -1;
    const std::array<std::string, kCommentLines> expected = SplitLines(Format1CommentBlock(nMode, nWidth, nHeight));
    for (int i = 1; i < kCommentLines; ++i)
        if (read[i] != expected[i]) return AtLine(i + 1, "the comment block is not that of FORMAT_1");
    const ModeLayout* layout = FindModeLayout(static_cast<ColorMode>(nMode));
    if (nMode > 0xFFFF || layout == nullptr) return AtLine(3, "colour mode " + std::to_string(nMode) + " has no pixel data");
    if (ReadError error = CheckSize(4, nWidth, nHeight)) return error;

    // "TYPE NAME[COUNT] = {PREFIX": the name may hold anything, but no "] = {"
    // follows it in the rest of the line.
    const int nDeclaration = kCommentLines + 1;
    const std::string wrongDeclaration = "the array declaration does not fit the comment block";
    std::string_view line;
    if (!lines.Next(line) || !Consume(line, std::string(layout->pszElementType) + " ")) return AtLine(nDeclaration, wrongDeclaration);
    const std::size_t nBrackets = line.rfind("] = {");
    const std::size_t nOpen = line.substr(0, nBrackets).rfind('[');
    if (nBrackets == std::string_view::npos || nOpen == std::string_view::npos) return AtLine(nDeclaration, wrongDeclaration);
    const std::optional<std::int64_t> nDeclared = ParseDecimal(line.substr(nOpen + 1, nBrackets - nOpen - 1));
    line.remove_prefix(nBrackets + 5);
    if (line != Format1SizePrefix(*layout, nWidth, nHeight))
        return AtLine(nDeclaration, "the size at the start of the array differs from the comment block");
    if (nDeclared != Format1ElementCount(*layout, nWidth, nHeight))
        return AtLine(nDeclaration, "the declared element count differs from what " + SizeText(nWidth, nHeight) + " pixels give");
    return ReadPixelLines(lines, *layout, nWidth, nHeight, true, true, picture);
}
