// SPDX-License-Identifier: GPL-3.0-or-later
// tovix-option-docs TEMPLATE OUTPUT: the manual page or the shell completion
// of tovix-export, made at build time from its template from the option
// table: @OPTIONS@ becomes the manual's list of options, @OPTION_VALUES@
// the completion's cases for the options' values and @OPTION_WORDS@ the
// long options it completes.
#include "cli/option_table.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// troff prints "-" as a hyphen; an option's dashes are minus signs.
std::string Dashes(const std::string& text)
{
    std::string escaped;
    for (char c : text) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// A value's name in italics: its capitals (R,G,B, WxH, PATH), or a word
// that has none (rgb | bgr) whole.
std::string ItalicValue(const std::string& value)
{
    std::string troff;
    for (const std::string& part : Split(value, '|')) {
        if (!troff.empty()) troff += " | ";
        const bool bCapitals = std::any_of(part.begin(), part.end(), [](unsigned char c) { return std::isupper(c); });
        if (!bCapitals) {
            troff += "\\fI" + Dashes(part) + "\\fR";
            continue;
        }
        for (std::size_t i = 0; i < part.size();) {
            std::size_t nEnd = i;
            while (nEnd < part.size() && std::isupper(static_cast<unsigned char>(part[nEnd]))) ++nEnd;
            if (nEnd > i) troff += "\\fI" + part.substr(i, nEnd - i) + "\\fR";
            else troff += Dashes(part.substr(i, ++nEnd - i));
            i = nEnd;
        }
    }
    return troff;
}

std::string ManualOptions()
{
    std::string list;
    for (const ToolOption& option : ToolOptions()) {
        std::string names = Dashes(std::string("--") + option.pszLong);
        if (option.cShort != 0) names = Dashes(std::string("-") + option.cShort) + " \", \" " + names;
        const bool bBold = option.cShort == 0 && option.pszValue == nullptr;
        list += ".TP\n" + std::string(bBold ? ".B " : ".BR ") + names;
        if (option.pszValue != nullptr) list += " \" \" " + ItalicValue(WithListsFilledIn(option.pszValue));
        list += "\n" + std::string(option.pszManual) + "\n";
    }
    list.pop_back();
    return list;
}

// "-f | --format": a case pattern for the option.
std::string Pattern(const ToolOption& option)
{
    const std::string name = std::string("--") + option.pszLong;
    return option.cShort != 0 ? std::string("-") + option.cShort + " | " + name : name;
}

std::string CompletionCase(const std::string& pattern, const std::string& action)
{
    return "        " + pattern + ")\n" + (action.empty() ? "" : "            " + action + "\n") +
           "            return\n            ;;\n";
}

std::string CompletionCases()
{
    std::string cases, nothing;
    for (const ToolOption& option : ToolOptions()) {
        if (option.completion == ValueCompletion::Choices) {
            std::string words = option.Choices();
            std::replace(words.begin(), words.end(), '|', ' ');
            cases += CompletionCase(Pattern(option), "COMPREPLY=($(compgen -W '" + words + "' -- \"$cur\"))");
        } else if (option.completion == ValueCompletion::Files) {
            cases += CompletionCase(Pattern(option), std::string("_filedir") + (*option.pszFiles ? " " : "") + option.pszFiles);
        } else if (option.pszValue != nullptr || option.action != ParsedExportOptions::Action::Run) {
            // A value with no words to offer, or a run that takes nothing more.
            nothing += (nothing.empty() ? "" : " | ") + Pattern(option);
        }
    }
    cases += CompletionCase(nothing, "");
    cases.pop_back();
    return cases;
}

std::string OptionWords()
{
    std::string words;
    for (const ToolOption& option : ToolOptions()) words += (words.empty() ? "--" : " --") + std::string(option.pszLong);
    return words;
}

// The line with each marker in it replaced.
std::string Filled(std::string line)
{
    const std::pair<const char*, std::string (*)()> markers[] = {
        {"@OPTIONS@", ManualOptions}, {"@OPTION_VALUES@", CompletionCases}, {"@OPTION_WORDS@", OptionWords}};
    for (const auto& [pszMarker, text] : markers) {
        const std::size_t nAt = line.find(pszMarker);
        if (nAt != std::string::npos) line.replace(nAt, std::string(pszMarker).size(), text());
    }
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tovix-option-docs TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ostringstream made;
    for (std::string line; std::getline(in, line);) made << Filled(line) << '\n';
    std::ofstream out(argv[2], std::ios::binary);
    out << made.str();
    if (!in.eof() || !out.flush()) {
        std::cerr << "tovix-option-docs: cannot make " << argv[2] << " from " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
