// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/export_settings.h"
#include "export/export_format.h"
#include "picture/picture_reader.h"

#include <optional>
#include <string>
#include <vector>

// The files a run writes: an INPUT's export and what goes beside or
// instead of it, or the picture --decode writes.
enum class OutputKind { Document, Header, Export, Picture };

// One output the user asked for: the option that named it and its path;
// no path for the export's default, which comes from INPUT.
struct RequestedOutput {
    OutputKind kind;
    const char* pszOption;
    std::optional<std::string> path;
};

// Which settings the command line gave, laid over a document's own; the
// rest tell it by being set at all.
struct GivenSettings {
    bool bFormat = false;   // -f or --for: a document's stored format and target stay out
    bool bDither = false;
    bool bRound = false;
    bool bMono = false;
    bool bLuminanceThreshold = false;
    bool bPalette = false;
};

// What one export run of tovix-export was asked to do: the export, and
// where it reads and writes.
struct ExportRequest {
    ExportSettings settings;
    GivenSettings given;
    std::vector<std::string> inputs;
    std::vector<RequestedOutput> outputs;   // in the order they are written
    bool bForce = false;
    bool bPicture = false;                  // INPUT goes through the picture import whatever its name

    // The row that writes the export; the parser lets through only settings that have one.
    const OutputFormat& Format() const { return *OutputFormatOf(settings); }
};

// What a --decode run was asked to do.
struct DecodeRequest {
    std::string input;
    std::optional<std::string> output;
    bool bForce = false;
};

// The INPUT that stands for standard input.
inline constexpr const char* kStandardInput = "-";

// Whether the request writes an export, not only a document.
bool WritesExport(const ExportRequest& request);

// Whether thresholds, if given, mean anything for a picture in the mode:
// only where the mode uses them, or a document keeps them.
bool ThresholdsApply(const ExportRequest& request, ColorMode mode);

// Why thresholds cannot go with a mode that does not use them.
std::string ThresholdError(ColorMode mode);

// Why a lone threshold cannot go with the rule of channels.
inline constexpr const char* kLoneLuminanceThreshold = "-t with one threshold goes with --mono luminance";

// The reduction settings for an INPUT in a mode: those given over the
// stored ones of a document, less stored ones the mode has no use for.
ReductionSettings ReductionFor(const ExportRequest& request, const ReductionSettings& stored, ColorMode mode);

// The colour under a picture's transparent parts.
BackgroundColor BackgroundOf(const ExportSettings& settings);

// Whether a path ends in the lower-case ending, in any case: ".bmp" fits "LOGO.BMP".
bool EndsWithInAnyCase(std::string text, const std::string& ending);

// The one place that says what "-" means as a path: standard output for an
// export or a decoded picture; a document named "-" is a file of that name,
// and a header cannot be one, since the source includes it.
bool GoesToStandardOutput(OutputKind kind, const std::string& path);

// How an INPUT is read.
enum class InputKind { Document, Bmp, Picture };

// A .tvx name is a document and a .bmp name goes through the BMP import, in
// any case; anything else, standard input, and anything at all with
// --picture, is a picture, whose readers tell its format from its content.
InputKind KindOfInput(const ExportRequest& request, const std::string& input);
