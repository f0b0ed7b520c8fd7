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

std::string MakeCIdentifier(const std::string& name)
{
    if (name.empty()) return "image";
    std::string identifier;
    if (name[0] >= '0' && name[0] <= '9') identifier += '_';
    for (char c : name) {
        const bool bKept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        identifier += bKept ? c : '_';
    }
    return identifier;
}
