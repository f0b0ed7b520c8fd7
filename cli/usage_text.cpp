// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/usage_text.h"

#include "cli/option_table.h"

namespace {

constexpr const char* kSynopsis =
    "Usage: tovix-export [OPTIONS] INPUT...\n"
    "       tovix-export --decode FILE [-o PICTURE] [--force]\n"
    "Writes the pixels of pictures or .tvx documents as C source text, or reads such text back\n"
    "into a picture. With several INPUTs each goes to its default output, and one that fails\n"
    "does not stop the others.\n"
    "\n";

constexpr const char* kInput =
    "a picture: PNG, GIF, JPEG, BMP of any depth, and every other kind\n"
    "the installed image readers know (TIFF, WebP, SVG, TGA, ICO, PBM,\n"
    "PGM, PPM, XBM, XPM ...); a .bmp name goes through the 24-bit BMP\n"
    "import; or a .tvx document (any case of .bmp and .tvx);\n"
    "\"-\" reads a picture from standard input (at most 1 GiB), whose\n"
    "export goes to standard output unless -o says otherwise";

constexpr const char* kExitStatus =
    "\n"
    "Exit status: 0 on success, 1 when an input is refused or a file cannot be written,\n"
    "2 for a usage error.\n";

// What comes before a group's options, and the column their texts start in.
struct GroupLayout {
    const char* pszHeading;
    std::size_t nColumn;
};

GroupLayout LayoutOf(HelpGroup group)
{
    switch (group) {
    case HelpGroup::General: return {"", 25};
    case HelpGroup::Bytes: return {"\nOptions of -f bytes:\n", 31};
    case HelpGroup::Tool: return {"\n", 25};
    }
    return {"", 25};
}

// One entry: the name in the first column, the text beside it, or below
// it when the name leaves no room, each further line in the text's column.
std::string Entry(const std::string& name, const std::string& text, std::size_t nColumn)
{
    std::string entry = name;
    if (name.size() + 1 > nColumn) entry += "\n" + std::string(nColumn, ' ');
    else entry += std::string(nColumn - name.size(), ' ');
    for (char c : text) entry += c == '\n' ? "\n" + std::string(nColumn, ' ') : std::string(1, c);
    return entry + "\n";
}

} // namespace

std::string UsageText()
{
    std::string text = std::string(kSynopsis) + Entry("  INPUT", kInput, LayoutOf(HelpGroup::General).nColumn);
    HelpGroup group = HelpGroup::General;
    for (const ToolOption& option : ToolOptions()) {
        if (option.group != group) text += LayoutOf(option.group).pszHeading;
        group = option.group;
        std::string name = option.cShort != 0 ? std::string("  -") + option.cShort + ", --" : std::string("      --");
        name += option.pszLong;
        if (option.pszValue != nullptr) name += " " + WithListsFilledIn(option.pszValue);
        text += Entry(name, WithListsFilledIn(option.pszHelp), LayoutOf(group).nColumn);
    }
    return text + kExitStatus;
}
