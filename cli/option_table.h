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

// What the shell completion offers as an option's value: nothing, the
// option's choices, or files (pszFiles is _filedir's argument).
enum class ValueCompletion { Nothing, Choices, Files };

// One option of tovix-export. The parser, --help, the manual page's option
// list and the shell completion all read these rows. Texts may name lists
// that other tables hold as {formats}, {targets}, {modes}, {mode-numbers},
// {mode-names} and {named-modes}.
struct ToolOption {
    const char* pszLong;
    char cShort = 0;
    const char* pszValue = nullptr;     // the value's name in --help; none for a switch
    const char* pszChoices = nullptr;   // the words the value can be, a|b|c; none: the value's name when it is one such list
    HelpGroup group = HelpGroup::General;
    const char* pszHelp = "";           // --help's text, a line each
    const char* pszManual = "";         // the manual page's paragraph, troff
    ValueCompletion completion = ValueCompletion::Nothing;
    const char* pszFiles = "";          // with Files: _filedir's argument, such as tvx; empty for any file
    bool bWithDecode = false;           // one of the few that go with --decode
    // A run that only shows something ends the reading; the others take their value.
    ParsedExportOptions::Action action = ParsedExportOptions::Action::Run;
    // Takes the value into the command line; the usage error when it is wrong.
    std::optional<std::string> (*take)(CommandLine& line, const std::string& arg, const std::string& option) = nullptr;

    // "-f" or "--for": how messages name it.
    std::string ShortestName() const;
    // The words the value can be, a|b|c, with the lists named in it filled in; empty for none.
    std::string Choices() const;
};

// Every option, in the order --help and the manual page list them.
std::span<const ToolOption> ToolOptions();

// The text with the lists it names filled in.
std::string WithListsFilledIn(std::string text);
