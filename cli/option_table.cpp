// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/option_table.h"

#include "cli/command_line.h"
#include "cli/option_values.h"
#include "core/layout_options.h"
#include "core/palette_file.h"
#include "core/pixel_format.h"
#include "export/export_format.h"

#include <array>
#include <tuple>
#include <utility>

namespace {

using Taken = std::optional<std::string>;

Taken TakeLayoutWord(CommandLine& line, const std::string& arg, const std::string& option)
{
    return SetLayoutOption(line.request.settings.layout, option, arg);
}

// In the order --help lists them.
const ToolOption kToolOptions[] = {
    {
        .pszLong = "format",
        .cShort = 'f',
        .pszValue = "{formats}",
        .pszHelp = "FORMAT_1, C array declarations (default), FORMAT_2, the comma list,\n"
                   "bytes, a uint8_t array in a display driver's layout (LF line ends), or\n"
                   "bin, the same bytes as a binary file",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const std::optional<ExportFormat> format = FormatOfWord(arg);
            if (!format) return "format must be " + ChoicesInWords(OutputFormatNames()) + ", not '" + arg + "'";
            line.request.settings.format = *format;
            line.bFormatGiven = true;
            return {};
        },
    },
    {
        .pszLong = "for",
        .pszValue = "TARGET",
        .pszHelp = "write what one display library takes as it is, with a comment saying\n"
                   "how to draw it: {targets}\n"
                   "(a C source, or with -f bin the raw bytes; for LVGL its .bin image file);\n"
                   "-m defaults to the target's mode and must be one it takes",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            if (FindOutputFormat("bytes", arg) == nullptr) return "--for takes " + ChoicesInWords(TargetNames()) + ", not '" + arg + "'";
            line.target = arg;
            return {};
        },
    },
    {
        .pszLong = "mode",
        .cShort = 'm',
        .pszValue = "MODE",
        .pszHelp = "{mode-numbers}, or by name: {mode-names}\n"
                   "(default: 24 for a picture, the stored mode for a .tvx); by name only,\n"
                   "with -f bytes, -f bin and --for:\n"
                   "{named-modes}\n"
                   "(N bits a pixel: grey levels of the luminance, Rec. 709 on linear\n"
                   "light, or indices into a palette written before them; the last\n"
                   "four keep the picture's alpha, for --for lvgl9, lvgl8 and adafruit-gfx)",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const PixelFormat* format = FindPixelFormat(arg);
            if (format == nullptr) return "unknown colour mode '" + arg + "'; give a number or a name of: " + ModeList(", ");
            line.request.settings.mode = format->mode;
            return {};
        },
    },
    {
        .pszLong = "threshold",
        .cShort = 't',
        .pszValue = "R,G,B",
        .pszHelp = "the red, green and blue thresholds, 0..255 each\n"
                   "(default: 128,128,128 for a picture, the stored ones for a .tvx)",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            // One number is the brightness rule's threshold.
            if (const std::optional<int> single = ParseInt(arg, 0, 255)) {
                line.luminanceThreshold = *single;
                return {};
            }
            const std::optional<std::array<int, 3>> channels = ParseChannels(arg);
            if (!channels) return "thresholds must be R,G,B with each 0..255, or one 0..255 with --mono luminance, not '" + arg + "'";
            line.request.settings.thresholds = Thresholds{(*channels)[0], (*channels)[1], (*channels)[2]};
            return {};
        },
    },
    {
        .pszLong = "name",
        .cShort = 'n',
        .pszValue = "NAME",
        .pszHelp = "the export name (the array's name in FORMAT_1); default: INPUT's file\n"
                   "name without folder and last extension, with every \"tvx\" and \".\" removed,\n"
                   "\"picture\" for standard input; a C or C++ keyword or a name the C\n"
                   "standard library declares gets \"_img\" after it, and -n refuses one",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            line.name = arg;
            return {};
        },
    },
    {
        .pszLong = "output",
        .cShort = 'o',
        .pszValue = "PATH",
        .pszHelp = "where the export goes; \"-\" for standard output; default: INPUT with\n"
                   "its extension replaced by .c (FORMAT_1, bytes), .txt (FORMAT_2),\n"
                   ".bin (-f bin) or .xbm (--for xbm)",
        .bWithDecode = true,
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.output, arg, "the output path is empty"); },
    },
    {
        .pszLong = "force",
        .pszHelp = "replace an existing file of an earlier run (otherwise refuse it);\n"
                   "two outputs that are one file, or an output that is an INPUT,\n"
                   "are refused with or without it",
        .bWithDecode = true,
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.bForce = true;
            return {};
        },
    },
    {
        .pszLong = "picture",
        .pszHelp = "read INPUT through the picture import whatever its name, so that\n"
                   "a BMP of any depth comes in",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.bPicture = true;
            return {};
        },
    },
    {
        .pszLong = "background",
        .pszValue = "R,G,B",
        .pszHelp = "the colour under transparent parts of a picture, 0..255 each\n"
                   "(default: 255,255,255); not for a .tvx document",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const std::optional<std::array<int, 3>> colour = ParseChannels(arg);
            if (!colour) return "the background must be R,G,B with each 0..255, not '" + arg + "'";
            line.bBackground = true;
            line.request.settings.background = {static_cast<std::uint8_t>((*colour)[0]), static_cast<std::uint8_t>((*colour)[1]),
                                                static_cast<std::uint8_t>((*colour)[2])};
            return {};
        },
    },
    {
        .pszLong = "dither",
        .pszValue = "METHOD",
        .pszHelp = "none (default), floyd-steinberg, atkinson or ordered (Bayer 8x8): spread\n"
                   "what a mode drops over the neighbours; not for mode 24, but for\n"
                   "the e-paper targets, which reduce full colour to their three",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const std::optional<DitherMethod> method = DitherMethodNamed(arg);
            if (!method) return "--dither must be none, floyd-steinberg, atkinson or ordered, not '" + arg + "'";
            line.request.settings.reduction.dither = *method;
            line.request.given.bDither = true;
            return {};
        },
    },
    {
        .pszLong = "round",
        .pszHelp = "modes 8, 15, 16: each channel to the nearest level, not truncated",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.reduction.bRound = true;
            line.request.given.bRound = true;
            return {};
        },
    },
    {
        .pszLong = "mono",
        .pszValue = "RULE",
        .pszHelp = "mode 1: channels, black where every channel is below its threshold\n"
                   "(-t R,G,B), or luminance, black below one brightness threshold (-t N,\n"
                   "default 128). Default: channels for FORMAT_1 and FORMAT_2, luminance\n"
                   "for -f bytes, -f bin, --for and --frames (unless -t R,G,B is given)",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            line.request.given.bMono = true;
            std::optional<ReductionSettings::MonoRule>& rule = line.request.settings.reduction.monoRule;
            if (arg == "luminance") rule = ReductionSettings::MonoRule::Luminance;
            else if (arg == "channels") rule = ReductionSettings::MonoRule::Channels;
            else return "--mono must be channels or luminance, not '" + arg + "'";
            return {};
        },
    },
    {
        .pszLong = "palette",
        .pszValue = "FILE",
        .pszHelp = "index1..index8: the palette's colours, one #rrggbb a line, instead of\n"
                   "the at most 2, 4, 16 or 256 that libimagequant chooses",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const PaletteFile file = ReadPaletteFile(arg);
            if (file.fault != PaletteFileFault::None) return DescribePaletteFault(arg, file);
            line.request.settings.reduction.palette = file.colours;
            line.request.given.bPalette = true;
            return {};
        },
    },
    {
        .pszLong = "trim",
        .pszHelp = "cut off a border of the background colour (--background, default white),\n"
                   "or of alpha 0 in the modes that keep alpha",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.geometry.bTrim = true;
            return {};
        },
    },
    {
        .pszLong = "rotate",
        .pszValue = "DEGREES",
        .pszHelp = "90, 180 or 270, clockwise",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            std::optional<Rotation>& rotation = line.request.settings.geometry.rotation;
            if (arg == "90") rotation = Rotation::Clockwise90;
            else if (arg == "180") rotation = Rotation::HalfTurn;
            else if (arg == "270") rotation = Rotation::Clockwise270;
            else return "--rotate must be 90, 180 or 270 (degrees clockwise), not '" + arg + "'";
            return {};
        },
    },
    {
        .pszLong = "flip",
        .pszValue = "h|v",
        .pszHelp = "mirror left and right (h) or top and bottom (v); both may be given",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            Geometry& geometry = line.request.settings.geometry;
            if (arg == "h") geometry.bFlipHorizontal = true;
            else if (arg == "v") geometry.bFlipVertical = true;
            else return "--flip must be h (left and right) or v (top and bottom), not '" + arg + "'";
            return {};
        },
    },
    {
        .pszLong = "resize",
        .pszValue = "WxH",
        .pszHelp = "fit the picture inside W x H pixels, keeping its aspect (one side may\n"
                   "come out shorter); done after --trim, --rotate and --flip, before the\n"
                   "colour mode's reduction. With it a picture may have up to 16384 pixels\n"
                   "a side and 64 Mpixels (8192 x 8192), not 4096 a side",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            const std::optional<std::pair<int, int>> size = ParseSize(arg);
            if (!size) return "--resize must be WxH with each side 1..4096, such as 128x64, not '" + arg + "'";
            std::tie(line.request.settings.geometry.nWidth, line.request.settings.geometry.nHeight) = *size;
            return {};
        },
    },
    {
        .pszLong = "fill",
        .pszHelp = "with --resize: fill W x H exactly, cutting off what overhangs",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.geometry.fit = ResizeFit::Fill;
            line.bFill = true;
            return {};
        },
    },
    {
        .pszLong = "filter",
        .pszValue = "FILTER",
        .pszHelp = "with --resize: area (default, the mean of the pixels covered: for\n"
                   "shrinking), lanczos (Lanczos 3, sharper) or nearest (pixel art)",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            ResizeFilter& filter = line.request.settings.geometry.filter;
            if (arg == "area") filter = ResizeFilter::Area;
            else if (arg == "lanczos") filter = ResizeFilter::Lanczos;
            else if (arg == "nearest") filter = ResizeFilter::Nearest;
            else return "--filter must be area, lanczos or nearest, not '" + arg + "'";
            line.bFilter = true;
            return {};
        },
    },
    {
        .pszLong = "save-doc",
        .pszValue = "PATH",
        .pszHelp = "write the picture and its settings as a .tvx document; with this\n"
                   "option and no -o, only the document is written. A document keeps\n"
                   "any mode, --for, --dither, --round, --mono and --palette too, and\n"
                   "its export uses them unless the command line gives others (any\n"
                   "-f stands in for a kept --for); with -f bytes, -f bin or --for,\n"
                   "its -n, --rgb-order, --byte-order, --pack, --bit-order, --invert\n"
                   "and --palette-format as well, where the mode takes them",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.saveDoc, arg, "the document path is empty"); },
    },
    {
        .pszLong = "rgb-order",
        .pszValue = "rgb|bgr",
        .group = HelpGroup::Bytes,
        .pszHelp = "mode 24: the order of a pixel's three bytes (default rgb)",
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "byte-order",
        .pszValue = "little|big",
        .group = HelpGroup::Bytes,
        .pszHelp = "modes 15, 16, 565 palettes: low byte first (default) or high byte first",
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "pack",
        .pszValue = "rows|pages",
        .group = HelpGroup::Bytes,
        .pszHelp = "1, 2 and 4 bits a pixel: each row by itself, whole bytes a row\n"
                   "(default), or, one bit a pixel only, pages of 8 rows, one byte a\n"
                   "column (SSD1306 style)",
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "bit-order",
        .pszValue = "msb|lsb",
        .group = HelpGroup::Bytes,
        .pszHelp = "1, 2 and 4 bits a pixel: the leftmost (rows) or top (pages) pixel in\n"
                   "the high bits (msb) or the low bits (lsb) of its byte; default msb\n"
                   "for rows, lsb for pages",
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "invert",
        .group = HelpGroup::Bytes,
        .pszHelp = "mode 1: a set bit for white instead of black (also with --for)",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.layout.bInvert = true;
            return {};
        },
    },
    {
        .pszLong = "palette-format",
        .pszValue = "888|565",
        .group = HelpGroup::Bytes,
        .pszHelp = "index1..index8: each palette entry as three bytes R, G, B (default)\n"
                   "or a 5-6-5 word in the --byte-order",
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "static",
        .group = HelpGroup::Bytes,
        .pszHelp = "declare the array static",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.layout.bStatic = true;
            return {};
        },
    },
    {
        .pszLong = "attribute",
        .pszValue = "TEXT",
        .group = HelpGroup::Bytes,
        .pszHelp = "put TEXT after the array's brackets, such as PROGMEM",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) -> Taken {
            line.request.settings.layout.strAttribute = arg;
            return {};
        },
    },
    {
        .pszLong = "header",
        .pszValue = "PATH",
        .group = HelpGroup::Bytes,
        .pszHelp = "also write a header with the size macros and an extern\n"
                   "declaration; the source includes it (also with --for, but xbm)",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.header, arg, "the header path is empty"); },
    },
    {
        .pszLong = "frames",
        .group = HelpGroup::Bytes,
        .pszHelp = "an array for each frame of an animation (GIF, APNG, WebP),\n"
                   "NAME_0, NAME_1 ..., and NAME_frames and NAME_delays (ms) listing\n"
                   "them; INPUT is read as a picture; a still picture is one frame",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.layout.bFrames = true;
            return {};
        },
    },
    {
        .pszLong = "decode",
        .pszValue = "FILE",
        .group = HelpGroup::Tool,
        .pszHelp = "read a file written by -f 1, -f 2, -f bytes or --for and write the picture\n"
                   "it holds to -o PICTURE (default: FILE with .png added), PNG when\n"
                   "PICTURE ends in .png, with the alpha of an export that keeps it,\n"
                   "else a 24-bit BMP",
        .bWithDecode = true,
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.decode, arg, "the path to decode is empty"); },
    },
    {
        .pszLong = "list-formats",
        .group = HelpGroup::Tool,
        .pszHelp = "the -f formats, one a line",
        .action = ParsedExportOptions::Action::ListFormats,
    },
    {
        .pszLong = "list-modes",
        .group = HelpGroup::Tool,
        .pszHelp = "the colour modes, one a line: number and name",
        .action = ParsedExportOptions::Action::ListModes,
    },
    {
        .pszLong = "list-targets",
        .group = HelpGroup::Tool,
        .pszHelp = "the --for targets, one a line: the word and its source's extension",
        .action = ParsedExportOptions::Action::ListTargets,
    },
    {
        .pszLong = "help",
        .cShort = 'h',
        .group = HelpGroup::Tool,
        .pszHelp = "this text",
        .action = ParsedExportOptions::Action::Help,
    },
    {
        .pszLong = "version",
        .group = HelpGroup::Tool,
        .pszHelp = "the version",
        .action = ParsedExportOptions::Action::Version,
    },
};

} // namespace

std::string ToolOption::ShortestName() const
{
    return cShort != 0 ? std::string("-") + cShort : std::string("--") + pszLong;
}

std::span<const ToolOption> ToolOptions()
{
    return kToolOptions;
}

std::string WithListsFilledIn(std::string text)
{
    const std::pair<const char*, std::string (*)()> lists[] = {
        {"{formats}", OutputFormatNames},
        {"{targets}", TargetNames},
        {"{mode-numbers}", [] { return ListInWords(PixelFormatNumbers()); }},
        {"{mode-names}", [] { return PixelFormatNames(false); }},
        {"{named-modes}", [] { return PixelFormatNames(true); }},
    };
    for (const auto& [pszName, list] : lists) {
        const std::string name = pszName;
        for (std::size_t nAt = text.find(name); nAt != std::string::npos; nAt = text.find(name, nAt))
            text.replace(nAt, name.size(), list());
    }
    return text;
}
