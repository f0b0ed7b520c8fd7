// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette_file.h"

#include "core/file_ptr.h"

#include <cctype>

namespace {

constexpr std::size_t kMaxColours = 256;

std::string_view Trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The line without its comment.
std::string_view Uncommented(std::string_view line)
{
    line = line.substr(0, std::min(line.find(';'), line.find("//")));
    const std::string_view text = Trimmed(line);
    if (text.size() >= 1 && text[0] == '#' && (text.size() == 1 || text[1] == ' ' || text[1] == '\t')) return {};
    return text;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

bool ParseColour(std::string_view text, Rgb& colour)
{
    if (!text.empty() && text[0] == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int hi = HexDigit(text[2 * i]), lo = HexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    colour = {bytes[0], bytes[1], bytes[2]};
    return true;
}

} // namespace

PaletteFile ParsePalette(std::string_view text)
{
    PaletteFile file;
    int nLine = 0;
    while (!text.empty()) {
        ++nLine;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view entry = Uncommented(line);
        if (entry.empty()) continue;
        Rgb colour;
        if (!ParseColour(entry, colour)) return {{}, PaletteFileFault::NotAColour, nLine, std::string(entry)};
        if (file.colours.size() == kMaxColours) return {{}, PaletteFileFault::TooMany, nLine, std::string(entry)};
        file.colours.push_back(colour);
    }
    if (file.colours.empty()) file.fault = PaletteFileFault::Empty;
    return file;
}

PaletteFile ReadPaletteFile(const std::string& path)
{
    const FilePtr handle = OpenRegularFile(path);
    PaletteFile unreadable{{}, PaletteFileFault::CannotRead, 0, {}};
    if (!handle) return unreadable;
    std::string text;
    char buffer[4096];
    std::size_t nRead;
    while ((nRead = std::fread(buffer, 1, sizeof buffer, handle.get())) > 0) text.append(buffer, nRead);
    if (std::ferror(handle.get())) return unreadable;
    return ParsePalette(text);
}

std::string DescribePaletteFault(const std::string& path, const PaletteFile& file)
{
    const std::string where = path + ":" + std::to_string(file.nLine) + ": ";
    switch (file.fault) {
    case PaletteFileFault::None: return {};
    case PaletteFileFault::CannotRead: return path + ": cannot read the palette file";
    case PaletteFileFault::NotAColour: return where + "\"" + file.strText + "\" is not a colour (#rrggbb or rrggbb)";
    case PaletteFileFault::TooMany: return where + "more than 256 colours";
    case PaletteFileFault::Empty: return path + ": no colour in the palette file";
    }
    return {};
}
