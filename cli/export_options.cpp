// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_options.h"

#include "cli/command_line.h"
#include "cli/option_table.h"
#include "core/pixel_format.h"
#include "export/export_name.h"

#include <algorithm>
#include <getopt.h>

namespace {

ParsedExportOptions UsageError(std::string text)
{
    ParsedExportOptions parsed;
    parsed.action = ParsedExportOptions::Action::UsageError;
    parsed.strError = std::move(text);
    return parsed;
}

ParsedExportOptions Finished(ParsedExportOptions::Action action)
{
    ParsedExportOptions parsed;
    parsed.action = action;
    return parsed;
}

// The outputs of an export request, in the order they are written: the
// document, the header, then the export, whose standard output cannot be
// taken back. With --save-doc and no -o only the document is written.
std::vector<RequestedOutput> RequestedOutputs(const CommandLine& line)
{
    std::vector<RequestedOutput> outputs;
    if (line.saveDoc) outputs.push_back({OutputKind::Document, "--save-doc", line.saveDoc});
    if (line.header) outputs.push_back({OutputKind::Header, "--header", line.header});
    if (line.output || !line.saveDoc) outputs.push_back({OutputKind::Export, "-o", line.output});
    return outputs;
}

// What the outputs cannot be asked to do together.
std::optional<std::string> OutputsError(const ExportRequest& request)
{
    const std::vector<RequestedOutput>& outputs = request.outputs;
    const bool bExport = std::any_of(outputs.begin(), outputs.end(), [](const RequestedOutput& o) { return o.kind == OutputKind::Export; });
    for (const RequestedOutput& output : outputs) {
        if (!output.path) continue;
        if (output.kind == OutputKind::Header && *output.path == "-")
            return "--header cannot be '-': the source includes the header as a file";
        if (output.kind == OutputKind::Header && !bExport)
            return "--header goes with the export, which --save-doc without -o does not write; give -o";
        if (request.inputs.size() > 1) return std::string(output.pszOption) + " cannot go with more than one INPUT";
    }
    return {};
}

ParsedExportOptions ValidateDecode(const CommandLine& line)
{
    if (!line.firstExportOption.empty()) return UsageError(line.firstExportOption + " cannot go with --decode");
    if (!line.request.inputs.empty()) return UsageError("--decode takes no INPUT");
    ParsedExportOptions parsed;
    parsed.request = DecodeRequest{*line.decode, line.output, line.request.bForce};
    return parsed;
}

ParsedExportOptions Validate(CommandLine line)
{
    if (line.decode) return ValidateDecode(line);
    ExportRequest& request = line.request;
    ExportSettings& settings = request.settings;
    if (line.target) {
        // A target writes a C source unless -f bin asks for its raw bytes,
        // and takes its own mode unless -m chooses one it can take.
        if (!line.bFormatGiven) settings.format = ExportFormat::Bytes;
        settings.target = *line.target;
        if (OutputFormatOf(settings) == nullptr)
            return UsageError("--for goes with -f bytes or -f bin, not -f " + std::string(FormatWord(settings.format)));
        if (!settings.mode) settings.mode = request.Format().defaultMode;
    }
    request.given.bFormat = line.bFormatGiven || line.target.has_value();
    const OutputFormat& format = request.Format();
    if (auto error = OptionsErrorFor(format, settings.mode, settings.layout, line.header.has_value()))
        return UsageError(*error);
    if (request.inputs.empty()) return UsageError("no INPUT given");
    if (const auto error = line.name ? ChosenNameError(*line.name) : std::nullopt) return UsageError("-n " + *error);
    settings.name = line.name.value_or("");
    if ((line.bFill || line.bFilter) && !settings.geometry.Resizes())
        return UsageError(std::string(line.bFill ? "--fill" : "--filter") + " goes with --resize");
    settings.geometry.trimColour = settings.background;
    const bool bLuminance = settings.reduction.monoRule == ReductionSettings::MonoRule::Luminance;
    // A picture's two colours go by brightness here when the format takes it unasked.
    const bool bLuminanceByDefault =
        ResolvedFor(format, settings.mode.value_or(ColorMode::Full), settings.reduction).monoRule ==
        ReductionSettings::MonoRule::Luminance;
    // A document may keep the brightness rule; its export checks then.
    const bool bDocumentInput = std::any_of(request.inputs.begin(), request.inputs.end(), [&request](const std::string& input) {
        return KindOfInput(request, input) == InputKind::Document;
    });
    if (line.luminanceThreshold && !bLuminanceByDefault && !bDocumentInput) return UsageError(kLoneLuminanceThreshold);
    if (settings.thresholds && bLuminance) return UsageError("--mono luminance takes one threshold, -t N");
    settings.reduction.nLuminanceThreshold = line.luminanceThreshold.value_or(128);
    request.given.bLuminanceThreshold = line.luminanceThreshold.has_value();
    if (line.saveDoc && settings.layout.bFrames) return UsageError("--frames cannot go with --save-doc: a document holds one picture");
    // Each frame would be given a palette of its own.
    if (settings.layout.bFrames && settings.mode && FindPixelFormat(*settings.mode)->UsesPalette())
        return UsageError("--frames does not apply to colour mode " + ModeWord(*settings.mode) + ", whose palette would differ from frame to frame");
    if (std::count(request.inputs.begin(), request.inputs.end(), kStandardInput) > 1)
        return UsageError("standard input can be read only once");
    request.outputs = RequestedOutputs(line);
    // A document alone keeps any mode.
    if (settings.mode && WritesExport(request)) {
        if (auto error = NamedModeError(format, *settings.mode)) return UsageError(*error);
    }
    if (auto error = OutputsError(request)) return UsageError(*error);
    // A picture's mode is known before it is read: the one asked for, or full colour.
    for (const std::string& input : request.inputs) {
        const std::optional<ColorMode> mode =
            KindOfInput(request, input) == InputKind::Document ? settings.mode : settings.mode.value_or(ColorMode::Full);
        if (mode && !ThresholdsApply(request, *mode)) return UsageError(ThresholdError(*mode));
        if (mode) {
            if (auto error = ReductionErrorFor(format, settings.reduction, *mode)) return UsageError(*error);
        }
    }
    for (const std::string& input : request.inputs) {
        if (line.bBackground && KindOfInput(request, input) == InputKind::Document)
            return UsageError("--background is for pictures, not for a .tvx document");
        if (settings.layout.bFrames && KindOfInput(request, input) == InputKind::Document)
            return UsageError("--frames is for pictures, not for a .tvx document");
    }
    ParsedExportOptions parsed;
    parsed.request = std::move(request);
    return parsed;
}

} // namespace

std::string ModeList(const std::string& separator)
{
    std::string list;
    for (const PixelFormat& format : PixelFormats()) {
        if (!list.empty()) list += separator;
        list += format.bNamedOnly ? format.pszName : std::to_string(format.Number()) + " " + format.pszName;
    }
    return list;
}


namespace {

// getopt_long's rows of the option table: a short option gives its letter,
// a long one 256 and more, its row's place.
const std::vector<option>& GetoptRows()
{
    static const std::vector<option> rows = [] {
        std::vector<option> made;
        const std::span<const ToolOption> options = ToolOptions();
        for (std::size_t i = 0; i < options.size(); ++i) {
            const ToolOption& row = options[i];
            made.push_back({row.pszLong, row.pszValue != nullptr ? required_argument : no_argument, nullptr,
                            row.cShort != 0 ? row.cShort : static_cast<int>(256 + i)});
        }
        made.push_back({nullptr, 0, nullptr, 0});
        return made;
    }();
    return rows;
}

// The letters getopt takes, a ':' after those with a value; the ':' first
// makes a missing value ':', not '?'.
const std::string& ShortOptions()
{
    static const std::string letters = [] {
        std::string made = ":";
        for (const ToolOption& row : ToolOptions()) {
            if (row.cShort == 0) continue;
            made += row.cShort;
            if (row.pszValue != nullptr) made += ':';
        }
        return made;
    }();
    return letters;
}

// The row of what getopt_long returned.
const ToolOption& RowOf(int c)
{
    const std::span<const ToolOption> options = ToolOptions();
    if (c >= 256) return options[static_cast<std::size_t>(c - 256)];
    return *std::find_if(options.begin(), options.end(), [c](const ToolOption& row) { return row.cShort == c; });
}

} // namespace

ParsedExportOptions ParseExportOptions(int argc, char** argv)
{
    CommandLine line;
    optind = 0;   // 0 also resets getopt's internal state between calls
    int c;
    while ((c = getopt_long(argc, argv, ShortOptions().c_str(), GetoptRows().data(), nullptr)) != -1) {
        if (c == ':') return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
        if (c == '?') return UsageError(std::string("unknown option '") + argv[optind - 1] + "'");
        const ToolOption& row = RowOf(c);
        if (row.action != ParsedExportOptions::Action::Run) return Finished(row.action);
        if (line.firstExportOption.empty() && !row.bWithDecode) line.firstExportOption = row.ShortestName();
        if (auto error = row.take(line, optarg != nullptr ? optarg : "", std::string("--") + row.pszLong))
            return UsageError(*error);
    }
    line.request.inputs.assign(argv + optind, argv + argc);
    return Validate(std::move(line));
}

std::span<const option> ExportOptionTable()
{
    return {GetoptRows().data(), GetoptRows().size() - 1};
}
