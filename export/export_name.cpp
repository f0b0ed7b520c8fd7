// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_name.h"

#include "export/reserved_names.h"

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

bool IsNeverInIdentifier(char c)
{
    return !IsIdentifierAscii(c);
}

// UTF-8 continuation and lead bytes are all above 0x7F, so no part of a
// wider character is touched.
bool IsAsciiNeverInIdentifier(char c)
{
    return static_cast<unsigned char>(c) < 0x80 && !IsIdentifierAscii(c);
}

// Every byte for which bReplace says so becomes "_"; a leading digit gets a "_".
std::string ReplaceBytes(const std::string& name, bool (*bReplace)(char))
{
    std::string identifier;
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') identifier += '_';
    for (char c : name) identifier += bReplace(c) ? '_' : c;
    return identifier;
}

std::string AvoidingReservedNames(std::string identifier)
{
    return IsReservedName(identifier) ? identifier + "_img" : identifier;
}

} // namespace

std::string MakeCIdentifier(const std::string& name)
{
    if (name.empty()) return "image";
    return AvoidingReservedNames(ReplaceBytes(name, IsNeverInIdentifier));
}

std::string MakeFormat1Identifier(const std::string& name)
{
    return AvoidingReservedNames(ReplaceBytes(name, IsAsciiNeverInIdentifier));
}

std::optional<std::string> ChosenNameError(const std::string& name)
{
    const std::string identifier = ReplaceBytes(name, IsNeverInIdentifier);
    if (IsKeyword(identifier)) return "'" + identifier + "' is a C or C++ keyword; choose another name";
    if (IsReservedName(identifier))
        return "'" + identifier + "' is a name the C standard library declares; choose another name";
    return std::nullopt;
}
