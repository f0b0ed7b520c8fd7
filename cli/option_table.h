// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_options.h"

#include <optional>
#include <span>
#include <string>

struct CommandLine;

// Where --help lists an option: with the general ones, under the options of
// -f bytes, or after them with the runs that write no export.
enum class HelpGroup { General, Bytes, Tool };

// One option of tovix-export; the parser and --help read these rows. Texts
// may name lists that other tables hold as {formats}, {targets},
// {mode-numbers}, {mode-names} and {named-modes}.
struct ToolOption {
    const char* pszLong;
    char cShort = 0;
    const char* pszValue = nullptr;     // the value's name in --help; none for a switch
    HelpGroup group = HelpGroup::General;
    const char* pszHelp = "";           // --help's text, a line each
    bool bWithDecode = false;           // one of the few that go with --decode
    // A run that only shows something ends the reading; the others take their value.
    ParsedExportOptions::Action action = ParsedExportOptions::Action::Run;
    // Takes the value into the command line; the usage error when it is wrong.
    std::optional<std::string> (*take)(CommandLine& line, const std::string& arg, const std::string& option) = nullptr;

    // "-f" or "--for": how messages name it.
    std::string ShortestName() const;
};

// Every option, in the order --help lists them.
std::span<const ToolOption> ToolOptions();

// The text with the lists it names filled in.
std::string WithListsFilledIn(std::string text);
