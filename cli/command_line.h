#pragma once

#include "core/color_mode.h"
#include "export/export_format.h"

#include <array>
#include <optional>
#include <string>

// What one run of tovix-export was asked to do.
struct ExportRequest {
    std::string strInput;
    ExportFormat format = ExportFormat::Format1;
    std::optional<ColorMode> mode;
    std::optional<std::array<int, 3>> thresholds;   // red, green, blue
    std::optional<std::string> name;
    std::optional<std::string> output;              // "-" for standard output
    std::optional<std::string> saveDoc;
    bool bForce = false;
};

// The outcome of reading the arguments.
struct ParsedCommandLine {
    enum class Action { Run, Help, Version, UsageError } action = Action::Run;
    ExportRequest request;
    std::string strError;   // for a usage error
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);

// The usage text for --help.
const char* UsageText();
