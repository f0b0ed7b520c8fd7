// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_request.h"

#include <getopt.h>
#include <span>
#include <string>
#include <variant>

// The colour modes as --list-modes lists them, each its number and name or
// its name alone, joined by the separator.
std::string ModeList(const std::string& separator);

// The outcome of reading the arguments.
struct ParsedExportOptions {
    enum class Action { Run, Help, Version, ListFormats, ListModes, ListTargets, UsageError } action = Action::Run;
    std::variant<ExportRequest, DecodeRequest> request;
    std::string strError;   // for a usage error
};

ParsedExportOptions ParseExportOptions(int argc, char** argv);

// Every option the parser takes, as getopt_long reads them (without the closing row of nulls).
std::span<const option> ExportOptionTable();
