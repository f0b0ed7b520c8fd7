// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_options.h"

#include "core/dib_image.h"
#include "core/palette_file.h"
#include "core/picture_values.h"
#include "core/pixel_format.h"
#include "export/export_name.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <getopt.h>
#include <sstream>
#include <tuple>

namespace {

// The arguments as given, before any check across options.
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

std::optional<int> ParseInt(const std::string& text, int nMin, int nMax)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < nMin || value > nMax) return {};
    return static_cast<int>(value);
}

// Three numbers 0..255 separated by commas, red, green, blue: thresholds or a colour.
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

// "a, b, c" as "a, b or c".
std::string ListInWords(std::string list)
{
    const std::size_t nLast = list.rfind(", ");
    if (nLast != std::string::npos) list.replace(nLast, 2, " or ");
    return list;
}

std::string FormatChoices()
{
    std::string list;
    for (char c : OutputFormatNames()) list += c == '|' ? std::string(", ") : std::string(1, c);
    return ListInWords(list);
}

std::string TargetChoices()
{
    std::string list;
    for (char c : TargetNames()) list += c == '|' ? std::string(", ") : std::string(1, c);
    return ListInWords(list);
}

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

enum LongOnly { kForce = 256, kSaveDoc, kVersion, kPicture, kBackground, kRgbOrder, kByteOrder, kPack, kBitOrder, kInvert, kStatic,
                kAttribute, kHeader, kDecode, kListFormats, kListModes, kDither, kRound, kMono, kFor, kListTargets,
                kPalette, kPaletteFormat, kResize, kFill, kFilter, kRotate, kFlip, kTrim, kFrames };

const option kOptions[] = {
    {"format", required_argument, nullptr, 'f'}, {"mode", required_argument, nullptr, 'm'},
    {"threshold", required_argument, nullptr, 't'}, {"name", required_argument, nullptr, 'n'},
    {"output", required_argument, nullptr, 'o'},  {"force", no_argument, nullptr, kForce},
    {"save-doc", required_argument, nullptr, kSaveDoc}, {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},  {"picture", no_argument, nullptr, kPicture},
    {"background", required_argument, nullptr, kBackground}, {"rgb-order", required_argument, nullptr, kRgbOrder},
    {"byte-order", required_argument, nullptr, kByteOrder}, {"pack", required_argument, nullptr, kPack},
    {"bit-order", required_argument, nullptr, kBitOrder}, {"invert", no_argument, nullptr, kInvert},
    {"static", no_argument, nullptr, kStatic}, {"attribute", required_argument, nullptr, kAttribute},
    {"header", required_argument, nullptr, kHeader}, {"decode", required_argument, nullptr, kDecode},
    {"list-formats", no_argument, nullptr, kListFormats}, {"list-modes", no_argument, nullptr, kListModes},
    {"dither", required_argument, nullptr, kDither}, {"round", no_argument, nullptr, kRound},
    {"mono", required_argument, nullptr, kMono},
    {"for", required_argument, nullptr, kFor}, {"list-targets", no_argument, nullptr, kListTargets},
    {"palette", required_argument, nullptr, kPalette}, {"palette-format", required_argument, nullptr, kPaletteFormat},
    {"resize", required_argument, nullptr, kResize}, {"fill", no_argument, nullptr, kFill},
    {"filter", required_argument, nullptr, kFilter}, {"rotate", required_argument, nullptr, kRotate},
    {"flip", required_argument, nullptr, kFlip}, {"trim", no_argument, nullptr, kTrim},
    {"frames", no_argument, nullptr, kFrames},
    {nullptr, 0, nullptr, 0},
};

// A path option's value, which may not be empty.
std::optional<std::string> TakePath(std::optional<std::string>& target, const std::string& arg, const char* pszEmptyError)
{
    if (arg.empty()) return std::string(pszEmptyError);
    target = arg;
    return {};
}

// "WxH", each side 1 to the largest a picture may have.
std::optional<std::pair<int, int>> ParseSize(const std::string& text)
{
    const std::size_t nX = text.find('x');
    if (nX == std::string::npos) return {};
    const std::optional<int> width = ParseInt(text.substr(0, nX), 1, CDibImage::kMaxSide);
    const std::optional<int> height = ParseInt(text.substr(nX + 1), 1, CDibImage::kMaxSide);
    if (!width || !height) return {};
    return std::pair(*width, *height);
}

// Takes a geometry option's value; the reason when it is wrong.
std::optional<std::string> TakeGeometryOption(CommandLine& line, int c, const std::string& arg)
{
    Geometry& geometry = line.request.settings.geometry;
    switch (c) {
    case kResize: {
        const std::optional<std::pair<int, int>> size = ParseSize(arg);
        if (!size) return "--resize must be WxH with each side 1..4096, such as 128x64, not '" + arg + "'";
        std::tie(geometry.nWidth, geometry.nHeight) = *size;
        return {};
    }
    case kFill:
        geometry.fit = ResizeFit::Fill;
        line.bFill = true;
        return {};
    case kFilter:
        if (arg == "area") geometry.filter = ResizeFilter::Area;
        else if (arg == "lanczos") geometry.filter = ResizeFilter::Lanczos;
        else if (arg == "nearest") geometry.filter = ResizeFilter::Nearest;
        else return "--filter must be area, lanczos or nearest, not '" + arg + "'";
        line.bFilter = true;
        return {};
    case kRotate:
        if (arg == "90") geometry.rotation = Rotation::Clockwise90;
        else if (arg == "180") geometry.rotation = Rotation::HalfTurn;
        else if (arg == "270") geometry.rotation = Rotation::Clockwise270;
        else return "--rotate must be 90, 180 or 270 (degrees clockwise), not '" + arg + "'";
        return {};
    case kFlip:
        if (arg == "h") geometry.bFlipHorizontal = true;
        else if (arg == "v") geometry.bFlipVertical = true;
        else return "--flip must be h (left and right) or v (top and bottom), not '" + arg + "'";
        return {};
    case kTrim: geometry.bTrim = true; return {};
    }
    return "unknown option";
}

// Takes one option's value into the command line; the reason when it is wrong.
std::optional<std::string> TakeOption(CommandLine& line, int c, const char* pszLongName, const std::string& arg)
{
    ExportRequest& request = line.request;
    ExportSettings& settings = request.settings;
    switch (c) {
    case 'f': {
        const std::optional<ExportFormat> format = FormatOfWord(arg);
        if (!format) return "format must be " + FormatChoices() + ", not '" + arg + "'";
        settings.format = *format;
        line.bFormatGiven = true;
        return {};
    }
    case 'm': {
        const PixelFormat* format = FindPixelFormat(arg);
        if (format == nullptr) return "unknown colour mode '" + arg + "'; give a number or a name of: " + ModeList(", ");
        settings.mode = format->mode;
        return {};
    }
    case 't': {
        // One number is the brightness rule's threshold.
        if (const std::optional<int> single = ParseInt(arg, 0, 255)) {
            line.luminanceThreshold = *single;
            return {};
        }
        const std::optional<std::array<int, 3>> channels = ParseChannels(arg);
        if (!channels) return "thresholds must be R,G,B with each 0..255, or one 0..255 with --mono luminance, not '" + arg + "'";
        settings.thresholds = Thresholds{(*channels)[0], (*channels)[1], (*channels)[2]};
        return {};
    }
    case kDither: {
        const std::optional<DitherMethod> method = DitherMethodNamed(arg);
        if (!method) return "--dither must be none, floyd-steinberg, atkinson or ordered, not '" + arg + "'";
        settings.reduction.dither = *method;
        request.given.bDither = true;
        return {};
    }
    case kRound:
        settings.reduction.bRound = true;
        request.given.bRound = true;
        return {};
    case kMono:
        request.given.bMono = true;
        if (arg == "luminance") settings.reduction.monoRule = ReductionSettings::MonoRule::Luminance;
        else if (arg == "channels") settings.reduction.monoRule = ReductionSettings::MonoRule::Channels;
        else return "--mono must be channels or luminance, not '" + arg + "'";
        return {};
    case 'n': line.name = arg; return {};
    case 'o': return TakePath(line.output, arg, "the output path is empty");
    case kForce: request.bForce = true; return {};
    case kSaveDoc: return TakePath(line.saveDoc, arg, "the document path is empty");
    case kPicture: request.bPicture = true; return {};
    case kBackground: {
        const std::optional<std::array<int, 3>> colour = ParseChannels(arg);
        if (!colour) return "the background must be R,G,B with each 0..255, not '" + arg + "'";
        line.bBackground = true;
        settings.background = {static_cast<std::uint8_t>((*colour)[0]), static_cast<std::uint8_t>((*colour)[1]),
                              static_cast<std::uint8_t>((*colour)[2])};
        return {};
    }
    case kRgbOrder:
    case kByteOrder:
    case kPack:
    case kBitOrder:
    case kPaletteFormat: return SetLayoutOption(settings.layout, std::string("--") + pszLongName, arg);
    case kPalette: {
        const PaletteFile file = ReadPaletteFile(arg);
        if (file.fault != PaletteFileFault::None) return DescribePaletteFault(arg, file);
        settings.reduction.palette = file.colours;
        request.given.bPalette = true;
        return {};
    }
    case kInvert: settings.layout.bInvert = true; return {};
    case kStatic: settings.layout.bStatic = true; return {};
    case kFrames: settings.layout.bFrames = true; return {};
    case kAttribute: settings.layout.strAttribute = arg; return {};
    case kHeader: return TakePath(line.header, arg, "the header path is empty");
    case kDecode: return TakePath(line.decode, arg, "the path to decode is empty");
    case kResize:
    case kFill:
    case kFilter:
    case kRotate:
    case kFlip:
    case kTrim: return TakeGeometryOption(line, c, arg);
    case kFor:
        if (FindOutputFormat("bytes", arg) == nullptr) return "--for takes " + TargetChoices() + ", not '" + arg + "'";
        line.target = arg;
        return {};
    }
    return "unknown option";
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

bool WritesExport(const ExportRequest& request)
{
    return std::any_of(request.outputs.begin(), request.outputs.end(),
                       [](const RequestedOutput& output) { return output.kind == OutputKind::Export; });
}

bool ThresholdsApply(const ExportRequest& request, ColorMode mode)
{
    // A document keeps its thresholds, whatever its mode.
    const bool bDocument = std::any_of(request.outputs.begin(), request.outputs.end(),
                                       [](const RequestedOutput& output) { return output.kind == OutputKind::Document; });
    const PixelFormat* format = FindPixelFormat(mode);
    return !request.settings.thresholds || bDocument || format == nullptr || format->UsesThresholds();
}

std::string ThresholdError(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    const char* why = format != nullptr && format->rule == ChannelRule::Grey      ? ", which takes each pixel's luminance"
                      : format != nullptr && format->rule == ChannelRule::Palette ? ", which takes the nearest palette colour"
                                                                                  : ", which keeps each channel's high bits";
    return "--threshold does not apply to colour mode " + ModeWord(mode) + why;
}

ReductionSettings ReductionFor(const ExportRequest& request, const ReductionSettings& stored, ColorMode mode)
{
    ReductionSettings settings = request.settings.reduction;
    // Each stored setting alone, so that one the mode cannot take drops out by itself.
    const auto take = [mode](auto ReductionSettings::*field, const ReductionSettings& from, ReductionSettings& to) {
        ReductionSettings alone;
        alone.*field = from.*field;
        if (!ReductionError(alone, mode)) to.*field = from.*field;
    };
    if (!request.given.bDither) take(&ReductionSettings::dither, stored, settings);
    if (!request.given.bRound) take(&ReductionSettings::bRound, stored, settings);
    if (!request.given.bMono) take(&ReductionSettings::monoRule, stored, settings);
    if (!request.given.bLuminanceThreshold) settings.nLuminanceThreshold = stored.nLuminanceThreshold;
    if (!request.given.bPalette) take(&ReductionSettings::palette, stored, settings);
    return settings;
}

BackgroundColor BackgroundOf(const ExportSettings& settings)
{
    return {settings.background.r, settings.background.g, settings.background.b};
}

std::string ModeList(const std::string& separator)
{
    std::string list;
    for (const PixelFormat& format : PixelFormats()) {
        if (!list.empty()) list += separator;
        list += format.bNamedOnly ? format.pszName : std::to_string(format.Number()) + " " + format.pszName;
    }
    return list;
}

bool EndsWithInAnyCase(std::string text, const std::string& ending)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.ends_with(ending);
}

bool GoesToStandardOutput(OutputKind kind, const std::string& path)
{
    return path == "-" && (kind == OutputKind::Export || kind == OutputKind::Picture);
}

InputKind KindOfInput(const ExportRequest& request, const std::string& input)
{
    if (request.bPicture || input == kStandardInput) return InputKind::Picture;
    if (EndsWithInAnyCase(input, ".tvx")) return InputKind::Document;
    if (EndsWithInAnyCase(input, ".bmp")) return InputKind::Bmp;
    return InputKind::Picture;
}

std::string UsageText()
{
    return std::string("Usage: tovix-export [OPTIONS] INPUT...\n"
           "       tovix-export --decode FILE [-o PICTURE] [--force]\n"
           "Writes the pixels of pictures or .tvx documents as C source text, or reads such text back\n"
           "into a picture. With several INPUTs each goes to its default output, and one that fails\n"
           "does not stop the others.\n"
           "\n"
           "  INPUT                  a picture: PNG, GIF, JPEG, BMP of any depth, and every other kind\n"
           "                         the installed image readers know (TIFF, WebP, SVG, TGA, ICO, PBM,\n"
           "                         PGM, PPM, XBM, XPM ...); a .bmp name goes through the 24-bit BMP\n"
           "                         import; or a .tvx document (any case of .bmp and .tvx);\n"
           "                         \"-\" reads a picture from standard input (at most 1 GiB), whose\n"
           "                         export goes to standard output unless -o says otherwise\n"
           "  -f, --format " + OutputFormatNames() + "\n"
           "                         FORMAT_1, C array declarations (default), FORMAT_2, the comma list,\n"
           "                         bytes, a uint8_t array in a display driver's layout (LF line ends), or\n"
           "                         bin, the same bytes as a binary file\n"
           "      --for TARGET       write what one display library takes as it is, with a comment saying\n"
           "                         how to draw it: " + TargetNames() + "\n"
           "                         (a C source, or with -f bin the raw bytes; for LVGL its .bin image file);\n"
           "                         -m defaults to the target's mode and must be one it takes\n"
           "  -m, --mode MODE        " + ListInWords(PixelFormatNumbers()) + ", or by name: " + PixelFormatNames(false) + "\n"
           "                         (default: 24 for a picture, the stored mode for a .tvx); by name only,\n"
           "                         with -f bytes, -f bin and --for:\n"
           "                         " + PixelFormatNames(true) + "\n"
           "                         (N bits a pixel: grey levels of the luminance, Rec. 709 on linear\n"
           "                         light, or indices into a palette written before them; the last\n"
           "                         four keep the picture's alpha, for --for lvgl9, lvgl8 and adafruit-gfx)\n"
           "  -t, --threshold R,G,B  the red, green and blue thresholds, 0..255 each\n"
           "                         (default: 128,128,128 for a picture, the stored ones for a .tvx)\n"
           "  -n, --name NAME        the export name (the array's name in FORMAT_1); default: INPUT's file\n"
           "                         name without folder and last extension, with every \"tvx\" and \".\" removed,\n"
           "                         \"picture\" for standard input; a C or C++ keyword or a name the C\n"
           "                         standard library declares gets \"_img\" after it, and -n refuses one\n"
           "  -o, --output PATH      where the export goes; \"-\" for standard output; default: INPUT with\n"
           "                         its extension replaced by .c (FORMAT_1, bytes), .txt (FORMAT_2),\n"
           "                         .bin (-f bin) or .xbm (--for xbm)\n"
           "      --force            replace an existing file of an earlier run (otherwise refuse it);\n"
           "                         two outputs that are one file, or an output that is an INPUT,\n"
           "                         are refused with or without it\n"
           "      --picture          read INPUT through the picture import whatever its name, so that\n"
           "                         a BMP of any depth comes in\n"
           "      --background R,G,B the colour under transparent parts of a picture, 0..255 each\n"
           "                         (default: 255,255,255); not for a .tvx document\n"
           "      --dither METHOD    none (default), floyd-steinberg, atkinson or ordered (Bayer 8x8): spread\n"
           "                         what a mode drops over the neighbours; not for mode 24, but for\n"
           "                         the e-paper targets, which reduce full colour to their three\n"
           "      --round            modes 8, 15, 16: each channel to the nearest level, not truncated\n"
           "      --mono RULE        mode 1: channels, black where every channel is below its threshold\n"
           "                         (-t R,G,B), or luminance, black below one brightness threshold (-t N,\n"
           "                         default 128). Default: channels for FORMAT_1 and FORMAT_2, luminance\n"
           "                         for -f bytes, -f bin, --for and --frames (unless -t R,G,B is given)\n"
           "      --palette FILE     index1..index8: the palette's colours, one #rrggbb a line, instead of\n"
           "                         the at most 2, 4, 16 or 256 that libimagequant chooses\n"
           "      --trim             cut off a border of the background colour (--background, default white),\n"
           "                         or of alpha 0 in the modes that keep alpha\n"
           "      --rotate DEGREES   90, 180 or 270, clockwise\n"
           "      --flip h|v         mirror left and right (h) or top and bottom (v); both may be given\n"
           "      --resize WxH       fit the picture inside W x H pixels, keeping its aspect (one side may\n"
           "                         come out shorter); done after --trim, --rotate and --flip, before the\n"
           "                         colour mode's reduction. With it a picture may have up to 16384 pixels\n"
           "                         a side and 64 Mpixels (8192 x 8192), not 4096 a side\n"
           "      --fill             with --resize: fill W x H exactly, cutting off what overhangs\n"
           "      --filter FILTER    with --resize: area (default, the mean of the pixels covered: for\n"
           "                         shrinking), lanczos (Lanczos 3, sharper) or nearest (pixel art)\n"
           "      --save-doc PATH    write the picture and its settings as a .tvx document; with this\n"
           "                         option and no -o, only the document is written. A document keeps\n"
           "                         any mode, --for, --dither, --round, --mono and --palette too, and\n"
           "                         its export uses them unless the command line gives others (any\n"
           "                         -f stands in for a kept --for); with -f bytes, -f bin or --for,\n"
           "                         its -n, --rgb-order, --byte-order, --pack, --bit-order, --invert\n"
           "                         and --palette-format as well, where the mode takes them\n"
           "\n"
           "Options of -f bytes:\n"
           "      --rgb-order rgb|bgr      mode 24: the order of a pixel's three bytes (default rgb)\n"
           "      --byte-order little|big  modes 15, 16, 565 palettes: low byte first (default) or high byte first\n"
           "      --pack rows|pages        1, 2 and 4 bits a pixel: each row by itself, whole bytes a row\n"
           "                               (default), or, one bit a pixel only, pages of 8 rows, one byte a\n"
           "                               column (SSD1306 style)\n"
           "      --bit-order msb|lsb      1, 2 and 4 bits a pixel: the leftmost (rows) or top (pages) pixel in\n"
           "                               the high bits (msb) or the low bits (lsb) of its byte; default msb\n"
           "                               for rows, lsb for pages\n"
           "      --invert                 mode 1: a set bit for white instead of black (also with --for)\n"
           "      --palette-format 888|565 index1..index8: each palette entry as three bytes R, G, B (default)\n"
           "                               or a 5-6-5 word in the --byte-order\n"
           "      --static                 declare the array static\n"
           "      --attribute TEXT         put TEXT after the array's brackets, such as PROGMEM\n"
           "      --header PATH            also write a header with the size macros and an extern\n"
           "                               declaration; the source includes it (also with --for, but xbm)\n"
           "      --frames                 an array for each frame of an animation (GIF, APNG, WebP),\n"
           "                               NAME_0, NAME_1 ..., and NAME_frames and NAME_delays (ms) listing\n"
           "                               them; INPUT is read as a picture; a still picture is one frame\n"
           "\n"
           "      --decode FILE      read a file written by -f 1, -f 2, -f bytes or --for and write the picture\n"
           "                         it holds to -o PICTURE (default: FILE with .png added), PNG when\n"
           "                         PICTURE ends in .png, with the alpha of an export that keeps it,\n"
           "                         else a 24-bit BMP\n"
           "      --list-formats     the -f formats, one a line\n"
           "      --list-modes       the colour modes, one a line: number and name\n"
           "      --list-targets     the --for targets, one a line: the word and its source's extension\n"
           "  -h, --help             this text\n"
           "      --version          the version\n"
           "\n"
           "Exit status: 0 on success, 1 when an input is refused or a file cannot be written,\n"
           "2 for a usage error.\n");
}

ParsedExportOptions ParseExportOptions(int argc, char** argv)
{
    CommandLine line;
    optind = 0;   // 0 also resets getopt's internal state between calls
    int c;
    int nLongIndex = 0;
    while ((c = getopt_long(argc, argv, ":f:m:t:n:o:h", kOptions, &nLongIndex)) != -1) {
        switch (c) {
        case 'h': return Finished(ParsedExportOptions::Action::Help);
        case kVersion: return Finished(ParsedExportOptions::Action::Version);
        case kListFormats: return Finished(ParsedExportOptions::Action::ListFormats);
        case kListModes: return Finished(ParsedExportOptions::Action::ListModes);
        case kListTargets: return Finished(ParsedExportOptions::Action::ListTargets);
        case ':': return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
        case '?': return UsageError(std::string("unknown option '") + argv[optind - 1] + "'");
        default: break;
        }
        const bool bLong = c >= kForce;
        if (line.firstExportOption.empty() && c != 'o' && c != kForce && c != kDecode)
            line.firstExportOption = bLong ? std::string("--") + kOptions[nLongIndex].name : std::string("-") + static_cast<char>(c);
        if (auto error = TakeOption(line, c, bLong ? kOptions[nLongIndex].name : "", optarg != nullptr ? optarg : ""))
            return UsageError(*error);
    }
    line.request.inputs.assign(argv + optind, argv + argc);
    return Validate(std::move(line));
}

std::span<const option> ExportOptionTable()
{
    return {kOptions, std::size(kOptions) - 1};
}
