#pragma once

#include "core/color_mode.h"
#include "core/thresholds.h"
#include "export/export_format.h"
#include "picture/picture_reader.h"

#include <optional>
#include <string>
#include <vector>

// What one run of tovix-export was asked to do.
struct ExportRequest {
    std::vector<std::string> inputs;
    ExportFormat format = ExportFormat::Format1;
    std::optional<ColorMode> mode;
    std::optional<Thresholds> thresholds;
    std::optional<std::string> name;
    std::optional<std::string> output;              // "-" for standard output
    std::optional<std::string> saveDoc;
    bool bForce = false;
    bool bPicture = false;                          // INPUT goes through the picture import whatever its name
    BackgroundColor background;                     // under transparent parts of a picture
    BytesOptions bytes;                             // -f bytes only
    std::optional<std::string> header;              // -f bytes only
    std::optional<std::string> decode;              // an export to read back instead
};

// Whether a path ends in the lower-case ending, in any case: ".bmp" fits "LOGO.BMP".
bool EndsWithInAnyCase(std::string text, const std::string& ending);

// How an INPUT is read.
enum class InputKind { Document, Bmp, Picture };

// A .tvx name is a document and a .bmp name goes through the BMP import, in
// any case; anything else, and anything at all with --picture, is a picture.
InputKind KindOfInput(const ExportRequest& request, const std::string& input);

// The outcome of reading the arguments.
struct ParsedExportOptions {
    enum class Action { Run, Help, Version, UsageError } action = Action::Run;
    ExportRequest request;
    std::string strError;   // for a usage error
};

ParsedExportOptions ParseExportOptions(int argc, char** argv);

// The usage text for --help.
const char* UsageText();
