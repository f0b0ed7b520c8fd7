// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_name.h"

#include <algorithm>

std::string MakeExportName(const std::string& title)
{
    // Removal scans left to right without rescanning what it joined:
    // "ttvxvx" leaves "tvx", as a single replace-all pass does.
    std::string name;
    for (std::size_t i = 0; i < title.size();) {
        if (title.compare(i, 3, "tvx") == 0) {
            i += 3;
        } else {
            name += title[i++];
        }
    }
    name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
    return name;
}

namespace {

bool IsIdentifierAscii(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Every byte for which bReplace says so becomes "_"; a leading digit gets a "_".
std::string ReplaceBytes(const std::string& name, bool (*bReplace)(char))
{
    std::string identifier;
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') identifier += '_';
    for (char c : name) identifier += bReplace(c) ? '_' : c;
    return identifier;
}

} // namespace

std::string MakeCIdentifier(const std::string& name)
{
    if (name.empty()) return "image";
    return ReplaceBytes(name, [](char c) { return !IsIdentifierAscii(c); });
}

std::string MakeFormat1Identifier(const std::string& name)
{
    // UTF-8 continuation and lead bytes are all above 0x7F, so no part of a
    // wider character is touched.
    return ReplaceBytes(name, [](char c) { return static_cast<unsigned char>(c) < 0x80 && !IsIdentifierAscii(c); });
}
