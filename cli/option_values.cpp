// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/option_values.h"

#include "core/dib_image.h"

#include <cstdlib>
#include <sstream>

std::optional<int> ParseInt(const std::string& text, int nMin, int nMax)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < nMin || value > nMax) return {};
    return static_cast<int>(value);
}

std::optional<std::array<int, 3>> ParseChannels(const std::string& text)
{
    std::array<int, 3> values{};
    std::istringstream in(text);
    std::string part;
    int n = 0;
    while (std::getline(in, part, ',')) {
        if (n == 3) return {};
        const std::optional<int> value = ParseInt(part, 0, 255);
        if (!value) return {};
        values[n++] = *value;
    }
    if (n != 3 || text.back() == ',') return {};
    return values;
}

std::optional<std::pair<int, int>> ParseSize(const std::string& text)
{
    const std::size_t nX = text.find('x');
    if (nX == std::string::npos) return {};
    const std::optional<int> width = ParseInt(text.substr(0, nX), 1, CDibImage::kMaxSide);
    const std::optional<int> height = ParseInt(text.substr(nX + 1), 1, CDibImage::kMaxSide);
    if (!width || !height) return {};
    return std::pair(*width, *height);
}

std::optional<std::string> TakePath(std::optional<std::string>& target, const std::string& arg, const char* pszEmptyError)
{
    if (arg.empty()) return std::string(pszEmptyError);
    target = arg;
    return {};
}

std::string ListInWords(std::string list)
{
    const std::size_t nLast = list.rfind(", ");
    if (nLast != std::string::npos) list.replace(nLast, 2, " or ");
    return list;
}

std::string ChoicesInWords(const std::string& choices)
{
    std::string list;
    for (char c : choices) list += c == '|' ? std::string(", ") : std::string(1, c);
    return ListInWords(list);
}
