#include "cli/export_options.h"

#include "core/file_transaction.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <getopt.h>
#include <map>
#include <sstream>

namespace {

std::optional<int> ParseInt(const std::string& text, int nMin, int nMax)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < nMin || value > nMax) return {};
    return static_cast<int>(value);
}

std::optional<ColorMode> ParseMode(const std::string& text)
{
    static const std::map<std::string, ColorMode> kNames = {
        {"1", ColorMode::Mono},       {"mono", ColorMode::Mono},     {"6", ColorMode::Colors64},
        {"64", ColorMode::Colors64},  {"8", ColorMode::Colors256},   {"256", ColorMode::Colors256},
        {"15", ColorMode::Rgb555},    {"555", ColorMode::Rgb555},    {"16", ColorMode::Rgb565},
        {"565", ColorMode::Rgb565},   {"24", ColorMode::Full},       {"full", ColorMode::Full},
    };
    const auto it = kNames.find(text);
    if (it == kNames.end()) return {};
    return it->second;
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

// Two outputs naming one file, however spelt, would leave only one of them.
std::optional<std::string> SharedTargetError(const ExportRequest& request)
{
    const std::pair<std::optional<std::string>, const char*> targets[] = {
        {request.output == "-" ? std::nullopt : request.output, "-o"},
        {request.saveDoc, "--save-doc"},
        {request.header, "--header"},
    };
    for (std::size_t i = 0; i < std::size(targets); ++i) {
        for (std::size_t j = i + 1; j < std::size(targets); ++j) {
            const auto& [first, firstOption] = targets[i];
            const auto& [second, secondOption] = targets[j];
            if (first && second && NameSameFile(*first, *second))
                return std::string(firstOption) + " and " + secondOption + " name the same file '" + *second + "'";
        }
    }
    return std::nullopt;
}

ParsedExportOptions UsageError(std::string text)
{
    ParsedExportOptions parsed;
    parsed.action = ParsedExportOptions::Action::UsageError;
    parsed.strError = std::move(text);
    return parsed;
}

enum LongOnly { kForce = 256, kSaveDoc, kVersion, kPicture, kBackground, kRgbOrder, kByteOrder, kPack, kBitOrder, kInvert, kStatic,
                kAttribute, kHeader, kDecode };

// What makes the bytes options of a request wrong, checked once all are read.
std::optional<std::string> BytesOptionsError(const ExportRequest& request)
{
    const char* first = FirstGivenOption(request.bytes);
    if (first == nullptr && request.header) first = "--header";
    if (request.format != ExportFormat::Bytes)
        return first == nullptr ? std::nullopt : std::optional<std::string>(std::string(first) + " applies only to -f bytes");
    if (request.mode) {
        if (const char* option = OptionNotForMode(request.bytes, *request.mode))
            return std::string(option) + " does not apply to colour mode " + std::to_string(static_cast<int>(*request.mode));
    }
    if (request.bytes.bStatic && request.header) return "--static cannot go with --header, which declares the array extern";
    if (request.bytes.strAttribute.find_first_of("\r\n") != std::string::npos) return "--attribute must be one line";
    return {};
}

} // namespace

bool EndsWithInAnyCase(std::string text, const std::string& ending)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.ends_with(ending);
}

InputKind KindOfInput(const ExportRequest& request, const std::string& input)
{
    if (request.bPicture) return InputKind::Picture;
    if (EndsWithInAnyCase(input, ".tvx")) return InputKind::Document;
    if (EndsWithInAnyCase(input, ".bmp")) return InputKind::Bmp;
    return InputKind::Picture;
}

const char* UsageText()
{
    return "Usage: tovix-export [OPTIONS] INPUT...\n"
           "       tovix-export --decode FILE [-o PICTURE] [--force]\n"
           "Writes the pixels of pictures or .tvx documents as C source text, or reads such text back\n"
           "into a picture. With several INPUTs each goes to its default output, and one that fails\n"
           "does not stop the others.\n"
           "\n"
           "  INPUT                  a picture: PNG, GIF, JPEG, BMP of any depth, and every other kind\n"
           "                         the installed image readers know (TIFF, WebP, SVG, TGA, ICO, PBM,\n"
           "                         PGM, PPM, XBM, XPM ...); a .bmp name goes through the 24-bit BMP\n"
           "                         import; or a .tvx document (any case of .bmp and .tvx)\n"
           "  -f, --format 1|2|bytes\n"
           "                         FORMAT_1, C array declarations (default), FORMAT_2, the comma list, or\n"
           "                         bytes, a uint8_t array in a display driver's layout (LF line ends)\n"
           "  -m, --mode MODE        1, 6, 8, 15, 16 or 24, or by name: mono, 64, 256, 555, 565, full\n"
           "                         (default: 24 for a picture, the stored mode for a .tvx)\n"
           "  -t, --threshold R,G,B  the red, green and blue thresholds, 0..255 each\n"
           "                         (default: 128,128,128 for a picture, the stored ones for a .tvx)\n"
           "  -n, --name NAME        the export name (the array's name in FORMAT_1); default: INPUT's file\n"
           "                         name without folder and last extension, with every \"tvx\" and \".\" removed\n"
           "  -o, --output PATH      where the export goes; \"-\" for standard output; default: INPUT with\n"
           "                         its extension replaced by .c (FORMAT_1) or .txt (FORMAT_2)\n"
           "      --force            replace an existing output file (otherwise refuse it)\n"
           "      --picture          read INPUT through the picture import whatever its name, so that\n"
           "                         a BMP of any depth comes in\n"
           "      --background R,G,B the colour under transparent parts of a picture, 0..255 each\n"
           "                         (default: 255,255,255); not for a .tvx document\n"
           "      --save-doc PATH    write the picture and its settings as a .tvx document; with this\n"
           "                         option and no -o, only the document is written\n"
           "\n"
           "Options of -f bytes:\n"
           "      --rgb-order rgb|bgr      mode 24: the order of a pixel's three bytes (default rgb)\n"
           "      --byte-order little|big  modes 15, 16: low byte first (default) or high byte first\n"
           "      --pack rows|pages        mode 1: each row by itself, 8 pixels a byte (default), or pages of\n"
           "                               8 rows, one byte a column (SSD1306 style)\n"
           "      --bit-order msb|lsb      mode 1: the leftmost (rows) or top (pages) pixel in bit 7 (msb) or\n"
           "                               bit 0 (lsb); default msb for rows, lsb for pages\n"
           "      --invert                 mode 1: a set bit for white instead of black\n"
           "      --static                 declare the array static\n"
           "      --attribute TEXT         put TEXT after the array's brackets, such as PROGMEM\n"
           "      --header PATH            also write a header with the size macros and an extern\n"
           "                               declaration; the source includes it\n"
           "\n"
           "      --decode FILE      read a file written by -f 1, -f 2 or -f bytes and write the picture it\n"
           "                         holds to -o PICTURE (default: FILE with .bmp), a 24-bit BMP, or PNG\n"
           "                         when PICTURE ends in .png\n"
           "  -h, --help             this text\n"
           "      --version          the version\n"
           "\n"
           "Exit status: 0 on success, 1 when an input is refused or a file cannot be written,\n"
           "2 for a usage error.\n";
}

ParsedExportOptions ParseExportOptions(int argc, char** argv)
{
    static const option kOptions[] = {
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
        {nullptr, 0, nullptr, 0},
    };

    ParsedExportOptions parsed;
    ExportRequest& request = parsed.request;
    bool bBackground = false;
    optind = 0;   // 0 also resets getopt's internal state between calls
    int c;
    int nLongIndex = 0;
    std::string firstExportOption;   // one that --decode has no use for
    while ((c = getopt_long(argc, argv, ":f:m:t:n:o:h", kOptions, &nLongIndex)) != -1) {
        const std::string arg = optarg != nullptr ? optarg : "";
        if (firstExportOption.empty() && c != 'o' && c != kForce && c != kDecode && c != ':' && c != '?')
            firstExportOption = c >= kForce ? std::string("--") + kOptions[nLongIndex].name : std::string("-") + static_cast<char>(c);
        switch (c) {
        case 'f':
            if (arg == "1") request.format = ExportFormat::Format1;
            else if (arg == "2") request.format = ExportFormat::Format2;
            else if (arg == "bytes") request.format = ExportFormat::Bytes;
            else return UsageError("format must be 1, 2 or bytes, not '" + arg + "'");
            break;
        case 'm':
            request.mode = ParseMode(arg);
            if (!request.mode) return UsageError("unknown colour mode '" + arg + "'");
            break;
        case 't': {
            const std::optional<std::array<int, 3>> channels = ParseChannels(arg);
            if (!channels) return UsageError("thresholds must be R,G,B with each 0..255, not '" + arg + "'");
            request.thresholds = Thresholds{(*channels)[0], (*channels)[1], (*channels)[2]};
            break;
        }
        case 'n': request.name = arg; break;
        case 'o':
            if (arg.empty()) return UsageError("the output path is empty");
            request.output = arg;
            break;
        case kForce: request.bForce = true; break;
        case kSaveDoc:
            if (arg.empty()) return UsageError("the document path is empty");
            request.saveDoc = arg;
            break;
        case kPicture: request.bPicture = true; break;
        case kBackground: {
            const std::optional<std::array<int, 3>> colour = ParseChannels(arg);
            if (!colour) return UsageError("the background must be R,G,B with each 0..255, not '" + arg + "'");
            bBackground = true;
            request.background = {static_cast<std::uint8_t>((*colour)[0]), static_cast<std::uint8_t>((*colour)[1]),
                                  static_cast<std::uint8_t>((*colour)[2])};
            break;
        }
        case kRgbOrder:
        case kByteOrder:
        case kPack:
        case kBitOrder:
            if (auto error = SetBytesOption(request.bytes, std::string("--") + kOptions[nLongIndex].name, arg)) return UsageError(*error);
            break;
        case kInvert: request.bytes.bInvert = true; break;
        case kStatic: request.bytes.bStatic = true; break;
        case kAttribute: request.bytes.strAttribute = arg; break;
        case kHeader:
            if (arg.empty()) return UsageError("the header path is empty");
            request.header = arg;
            break;
        case kDecode:
            if (arg.empty()) return UsageError("the path to decode is empty");
            request.decode = arg;
            break;
        case 'h': parsed.action = ParsedExportOptions::Action::Help; return parsed;
        case kVersion: parsed.action = ParsedExportOptions::Action::Version; return parsed;
        case ':': return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
        default: return UsageError(std::string("unknown option '") + argv[optind - 1] + "'");
        }
    }
    request.inputs.assign(argv + optind, argv + argc);
    if (request.decode) {
        if (!firstExportOption.empty()) return UsageError(firstExportOption + " cannot go with --decode");
        if (!request.inputs.empty()) return UsageError("--decode takes no INPUT");
        return parsed;
    }
    if (auto error = BytesOptionsError(request)) return UsageError(*error);
    if (request.inputs.empty()) return UsageError("no INPUT given");
    if (request.inputs.size() > 1) {
        for (const auto& [bGiven, option] : {std::pair{request.output.has_value(), "-o"},
                                             std::pair{request.saveDoc.has_value(), "--save-doc"},
                                             std::pair{request.header.has_value(), "--header"}}) {
            if (bGiven) return UsageError(std::string(option) + " cannot go with more than one INPUT");
        }
    }
    for (const std::string& input : request.inputs) {
        if (bBackground && KindOfInput(request, input) == InputKind::Document)
            return UsageError("--background is for pictures, not for a .tvx document");
    }
    if (auto error = SharedTargetError(request)) return UsageError(*error);
    return parsed;
}
