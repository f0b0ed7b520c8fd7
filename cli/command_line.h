// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_options.h"

#include <optional>
#include <string>

// The arguments of an export run as the options gave them, before any
// check across options.
struct CommandLine {
    ExportRequest request;
    std::optional<std::string> output, saveDoc, header, decode, target, name;
    bool bFormatGiven = false;
    bool bBackground = false;
    std::string firstExportOption;   // one that --decode has no use for
    std::optional<int> luminanceThreshold;   // -t with one number
    bool bFill = false;
    bool bFilter = false;
};
