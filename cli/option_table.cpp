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

// --help's order. The manual page keeps it too, and a paragraph that ends
// a row's manual text closes a run of rows that it speaks of.
const ToolOption kToolOptions[] = {
    {
        .pszLong = "format",
        .cShort = 'f',
        .pszValue = "{formats}",
        .pszHelp = "FORMAT_1, C array declarations (default), FORMAT_2, the comma list,\n"
                   "bytes, a uint8_t array in a display driver's layout (LF line ends), or\n"
                   "bin, the same bytes as a binary file",
        .pszManual = R"man(FORMAT_1, C array declarations (the default), FORMAT_2, the comma list,
bin, the bytes below as a binary file, or bytes: a C source with LF line ends holding the picture as one
.B uint8_t
array in the layout a display driver takes, with the size as the macros
.IB NAME _WIDTH
and
.IB NAME _HEIGHT
and a first comment line that states the size and layout.
NAME is the export name made into a C identifier.
Mode 24 gives three bytes a pixel, modes 15 and 16 two, modes 6 and 8 one;
mode 1 packs eight pixels a byte, a set bit for black.)man",
        .completion = ValueCompletion::Choices,
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
        .pszChoices = "{targets}",
        .pszHelp = "write what one display library takes as it is, with a comment saying\n"
                   "how to draw it: {targets}\n"
                   "(a C source, or with -f bin the raw bytes; for LVGL its .bin image file);\n"
                   "-m defaults to the target's mode and must be one it takes",
        .pszManual = R"man(Write what one display library takes as it is: its layout, types and
declaration, and a comment saying how to draw it.
TARGET is u8g2 (XBM rows, the leftmost pixel in bit 0,
.BR U8X8_PROGMEM ),
adafruit\-gfx (drawBitmap rows, the leftmost pixel in bit 7, or with
.B \-m 565
drawRGBBitmap
.B uint16_t
values), tft\-espi (RGB565
.B uint16_t
values for pushImage with setSwapBytes(true)), ssd1306 (pages for one stream in
horizontal addressing mode), sh1106 (pages sent one by one in page
addressing mode), xbm (an X11 bitmap file), lvgl9 (an
.B lv_image_dsc_t
in RGB565, or RGB888 with
.BR "\-m 24" ,
ARGB8888, RGB565A8 or A8 with the modes of the same names),
lvgl9\-xrgb8888 (the same in XRGB8888), lvgl8 (an
.B lv_img_dsc_t
in true colour, indexed with
.B \-m index1
to
.BR index8 ,
or TRUE_COLOR_ALPHA, RGB565A8 or ALPHA_8BIT with
.BR "\-m argb8888" ,
.B rgb565a8
or
.BR a8 ),
epaper or epaper\-yellow (a black and a red or yellow plane for a
three-colour e-paper panel, 0 bits for ink, each pixel the nearest of the
three colours; they take
.BR \-\-dither ).
With
.B \-f bin
the same bytes go to a binary file; for lvgl9 and lvgl8, LVGL's .bin image
file with its header.
Without
.B \-m
the target's own mode is taken: 1, or 16 for tft\-espi and the LVGL targets,
24 for lvgl9\-xrgb8888 and the e-paper targets; a mode the target cannot take is a usage error.
adafruit\-gfx also takes grey8 (drawGrayscaleBitmap), lvgl9 grey8 (L8) and
index1 to index8 (I1 to I8, the palette of four bytes blue, green, red,
alpha a colour before the indices).
Only
.B \-\-invert
of the bytes options goes with it.)man",
        .completion = ValueCompletion::Choices,
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
        .pszChoices = "{modes}",
        .pszHelp = "{mode-numbers}, or by name: {mode-names}\n"
                   "(default: 24 for a picture, the stored mode for a .tvx); by name only,\n"
                   "with -f bytes, -f bin and --for:\n"
                   "{named-modes}\n"
                   "(N bits a pixel: grey levels of the luminance, Rec. 709 on linear\n"
                   "light, or indices into a palette written before them; the last\n"
                   "four keep the picture's alpha, for --for lvgl9, lvgl8 and adafruit-gfx)",
        .pszManual = R"man(The colour mode: 1, 6, 8, 15, 16 or 24, or by name: mono (two colours by
thresholds), 64 (64 colours), 256 (256 colours, RGB 3\-3\-2), 555 (15\-bit),
565 (16\-bit), full (24\-bit, colours unchanged); with alpha, for the
.B \-\-for
targets that draw it (lvgl9 the first three, adafruit\-gfx the last): 121
argb8888, 122 rgb565a8 (an RGB565 plane, then an alpha plane), 123 a8 (the
alpha alone), 124 565a1 (RGB565 with drawRGBBitmap's one\-bit mask, set for
alpha 128 or more). They keep a picture's transparency and its colours as
they are, not laid on the background.
Default: 24 for a picture, the stored mode for a document.
By name only, with
.BR "\-f bytes" ,
.B "\-f bin"
and
.BR \-\-for :
grey1, grey2, grey4, grey8 (2, 4, 16 or 256 grey levels of the luminance,
Rec.\~709 weights on linear sRGB, each pixel to the nearest level) and
index1, index2, index4, index8 (indices into a palette of 2, 4, 16 or 256
colours, which libimagequant chooses unless
.B \-\-palette
gives them; the palette comes before the indices, filled up with black).
FORMAT_1 and FORMAT_2 keep to the six numbered modes; a document keeps a
named one, and its palette, in its settings (version 301).)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(The red, green and blue thresholds of the two\-colour and 64\-colour modes,
0 to 255 each.
Default: 128,128,128 for a picture, the stored ones for a document.
A usage error where the mode uses no threshold, unless
.B \-\-save\-doc
keeps them in a document.)man",
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
        .pszManual = R"man(The export name: the array's name in FORMAT_1.
Default: INPUT's file name without its folder and its last extension, with
every \(lqtvx\(rq and \(lq.\(rq removed, or \(lqpicture\(rq for standard input.
A default name that is a keyword of C23 or C++23 or a name the C standard
library declares gets \(lq_img\(rq after it (\fIreturn.png\fR gives
\fIreturn_img\fR, \fIclock.png\fR gives \fIclock_img\fR), so that the array
compiles beside the standard headers and never takes a library function's place;
such a name given with \fB\-n\fR is a usage error.)man",
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
        .pszManual = R"man(Where the export goes;
.B \-
for standard output.
Default: INPUT with its extension replaced by
.I .c
(FORMAT_1, bytes),
.I .txt
(FORMAT_2),
.I .bin
(bin) or
.I .xbm
(\-\-for xbm).)man",
        .completion = ValueCompletion::Files,
        .bWithDecode = true,
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.output, arg, "the output path is empty"); },
    },
    {
        .pszLong = "force",
        .pszHelp = "replace an existing file of an earlier run (otherwise refuse it);\n"
                   "two outputs that are one file, or an output that is an INPUT,\n"
                   "are refused with or without it",
        .pszManual = R"man(Replace an existing file that an earlier run left instead of refusing it.
Two outputs that are one file, or an output that is an INPUT, are refused
with or without it.)man",
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
        .pszManual = R"man(Read INPUT through the picture import whatever its name, so that a BMP file
of any depth comes in.)man",
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
        .pszManual = R"man(The colour that transparent parts of a picture are laid on, 0 to 255 each.
Default: 255,255,255, white.
A usage error with a document.)man",
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
        .pszChoices = "none|floyd-steinberg|atkinson|ordered",
        .pszHelp = "none (default), floyd-steinberg, atkinson or ordered (Bayer 8x8): spread\n"
                   "what a mode drops over the neighbours; not for mode 24, but for\n"
                   "the e-paper targets, which reduce full colour to their three",
        .pszManual = R"man(How the values a mode cannot show are spread over the neighbours:
.B none
(the default, each pixel on its own, exactly as the program exports),
.B floyd\-steinberg
or
.B atkinson
(error diffusion, serpentine), or
.B ordered
(Bayer 8\(mu8).
Not for mode 24, which drops nothing, but for the e-paper targets, which
reduce full colour to their three themselves.)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(Modes 8, 15 and 16: each channel to the nearest level instead of its high
bits.)man",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.reduction.bRound = true;
            line.request.given.bRound = true;
            return {};
        },
    },
    {
        .pszLong = "mono",
        .pszValue = "RULE",
        .pszChoices = "channels|luminance",
        .pszHelp = "mode 1: channels, black where every channel is below its threshold\n"
                   "(-t R,G,B), or luminance, black below one brightness threshold (-t N,\n"
                   "default 128). Default: channels for FORMAT_1 and FORMAT_2, luminance\n"
                   "for -f bytes, -f bin, --for and --frames (unless -t R,G,B is given)",
        .pszManual = R"man(Mode 1:
.BR channels ,
black where every channel is below its threshold, or
.BR luminance ,
black where the brightness (Rec.\~709 weights on linear sRGB) is below one
threshold,
.B \-t
.IR N ,
default 128.
Default: channels for FORMAT_1 and FORMAT_2, as the program's six colour
modes show them; luminance for
.BR "\-f bytes" ", " "\-f bin" ", " \-\-for
and
.BR \-\-frames ,
where the channel rule would turn pure red and blue white, unless
.B \-t
.I R,G,B
gives thresholds for the channels.
A document keeps a rule given with
.B \-\-mono
and none otherwise.)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(Index1 to index8: the palette's colours, one a line,
.RI # rrggbb
or
.IR rrggbb ;
blank lines and anything after
.BR ; ,
.B //
or a
.B #
followed by a space are comments.
At most as many colours as the mode holds; a fault is a usage error naming
the line.
.PP
These four change only the values. A document written by
.B \-\-save\-doc
keeps them, and its exports use them unless the command line gives others;
one its colour mode has no use for is left out.)man",
        .completion = ValueCompletion::Files,
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
        .pszManual = R"man(Cut off a border of the background colour
.RB ( \-\-background ,
white by default), or of alpha 0 in the modes that keep alpha.)man",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.geometry.bTrim = true;
            return {};
        },
    },
    {
        .pszLong = "rotate",
        .pszValue = "DEGREES",
        .pszChoices = "90|180|270",
        .pszHelp = "90, 180 or 270, clockwise",
        .pszManual = R"man(Turn the picture 90, 180 or 270 degrees clockwise.)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(Mirror left and right
.RB ( h )
or top and bottom
.RB ( v );
both may be given.)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(Fit the picture inside
.IR W \(mu H
pixels, keeping its aspect, so that one side may come out shorter.
Trim, rotation and flips come first, in this order, and the colour mode's
reduction after. A picture may have up to 4096 pixels a side, and
resizing brings one larger than an export or a document holds within it.
With this option a picture may be larger still, up to 16384 pixels a side
and 67108864 pixels (64 Mpixels, such as 8192\(mu8192 or a 6000\(mu4000
photo): it is decoded once, then trimmed, turned and flipped if asked,
and shrunk to at most 4096 a side before the reduction. In the modes that
keep alpha the colours are averaged weighed by their alpha (premultiplied),
so a transparent edge grows no dark fringe.)man",
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
        .pszManual = R"man(With
.BR \-\-resize :
fill
.IR W \(mu H
exactly, keeping the middle and cutting off what overhangs.)man",
        .take = [](CommandLine& line, const std::string&, const std::string&) -> Taken {
            line.request.settings.geometry.fit = ResizeFit::Fill;
            line.bFill = true;
            return {};
        },
    },
    {
        .pszLong = "filter",
        .pszValue = "FILTER",
        .pszChoices = "area|lanczos|nearest",
        .pszHelp = "with --resize: area (default, the mean of the pixels covered: for\n"
                   "shrinking), lanczos (Lanczos 3, sharper) or nearest (pixel art)",
        .pszManual = R"man(With
.BR \-\-resize :
.B area
(the default: each pixel the mean of those it covers, for shrinking),
.B lanczos
(Lanczos 3, sharper, for photos) or
.B nearest
(for pixel art).)man",
        .completion = ValueCompletion::Choices,
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
        .pszManual = R"man(Also write the picture and its settings as a
.I .tvx
document.
With this option and no
.BR \-o ,
only the document is written.
A document of one of the six numbered modes, without
.BR \-\-for ,
.BR \-\-dither ,
.BR \-\-round ,
.BR \-\-mono ,
.B \-\-palette
or, with
.BR "\-f bytes" " or " "\-f bin" ,
.B \-n
and the layout options,
is the program's own version 300; any of these, or a named mode such as
grey4, make a version-301 document, which keeps them after the pixels and
which a reader of version 300 opens in the nearest of the six modes.
Its export uses what it keeps unless the command line gives others; any
.B \-f
stands in for a kept
.BR \-\-for .
A document saved with
.BR "\-f bytes" ,
.B "\-f bin"
or
.B \-\-for
also keeps
.B \-n
and the layout options, which an export of the bytes layout takes where
its mode uses them.)man",
        .completion = ValueCompletion::Files,
        .pszFiles = "tvx",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.saveDoc, arg, "the document path is empty"); },
    },
    {
        .pszLong = "rgb-order",
        .pszValue = "rgb|bgr",
        .group = HelpGroup::Bytes,
        .pszHelp = "mode 24: the order of a pixel's three bytes (default rgb)",
        .pszManual = R"man(Bytes, mode 24: the order of a pixel's three bytes (default rgb).)man",
        .completion = ValueCompletion::Choices,
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "byte-order",
        .pszValue = "little|big",
        .group = HelpGroup::Bytes,
        .pszHelp = "modes 15, 16, 565 palettes: low byte first (default) or high byte first",
        .pszManual = R"man(Bytes, modes 15 and 16 and 565 palettes: the low byte first (the default) or the high byte
first, as SPI panels take it.)man",
        .completion = ValueCompletion::Choices,
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "pack",
        .pszValue = "rows|pages",
        .group = HelpGroup::Bytes,
        .pszHelp = "1, 2 and 4 bits a pixel: each row by itself, whole bytes a row\n"
                   "(default), or, one bit a pixel only, pages of 8 rows, one byte a\n"
                   "column (SSD1306 style)",
        .pszManual = R"man(Bytes, 1, 2 or 4 bits a pixel: each row by itself, (W \(mu bits + 7) / 8
bytes (the default), or, for one bit a pixel only, pages of eight rows from
the top, W bytes each, byte k holding column k, as SSD1306 and SH1106
controllers take them.
Grey and palette displays of 2 and 4 bits (SSD1322, SSD1327) take rows.)man",
        .completion = ValueCompletion::Choices,
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "bit-order",
        .pszValue = "msb|lsb",
        .group = HelpGroup::Bytes,
        .pszHelp = "1, 2 and 4 bits a pixel: the leftmost (rows) or top (pages) pixel in\n"
                   "the high bits (msb) or the low bits (lsb) of its byte; default msb\n"
                   "for rows, lsb for pages",
        .pszManual = R"man(Bytes, 1, 2 or 4 bits a pixel: the leftmost pixel of a row's byte, or the
top pixel of a page's byte, in the high bits (msb) or the low bits (lsb);
a pixel's own bits keep their order.
Default: msb for rows, lsb for pages.)man",
        .completion = ValueCompletion::Choices,
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "invert",
        .group = HelpGroup::Bytes,
        .pszHelp = "mode 1: a set bit for white instead of black (also with --for)",
        .pszManual = R"man(Bytes and \-\-for, mode 1: a set bit for white instead of black.)man",
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
        .pszManual = R"man(Bytes, index1 to index8: each palette entry as three bytes red, green, blue
(the default), or as a 5\-6\-5 word in the
.BR \-\-byte\-order .
The source holds the palette in the array NAME_palette before the pixels;
.B \-f bin
writes it before them.)man",
        .completion = ValueCompletion::Choices,
        .take = TakeLayoutWord,
    },
    {
        .pszLong = "static",
        .group = HelpGroup::Bytes,
        .pszHelp = "declare the array static",
        .pszManual = R"man(Bytes: declare the array
.BR static .)man",
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
        .pszManual = R"man(Bytes: put TEXT after the array's brackets, for example
.BR PROGMEM .)man",
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
        .pszManual = R"man(Bytes: also write a header with an include guard, the two size macros and an
.B extern
declaration of the array; the source then includes it.
With
.BR \-\-for ,
the header declares what the library draws (for LVGL the image descriptor,
for u8g2 the then not static
.IR NAME _bits);
every target but
.B xbm
takes it.)man",
        .completion = ValueCompletion::Files,
        .pszFiles = "h",
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.header, arg, "the header path is empty"); },
    },
    {
        .pszLong = "frames",
        .group = HelpGroup::Bytes,
        .pszHelp = "an array for each frame of an animation (GIF, APNG, WebP),\n"
                   "NAME_0, NAME_1 ..., and NAME_frames and NAME_delays (ms) listing\n"
                   "them; INPUT is read as a picture; a still picture is one frame",
        .pszManual = R"man(Bytes: an array for each frame of an animation (GIF, APNG, animated WebP),
.IR NAME _0,
.IR NAME _1 ...,
each laid on the background and reduced like a picture, then
.IR NAME _frames,
pointing at them in order, and
.IR NAME _delays,
how long each shows in milliseconds, and the macro
.IR NAME _FRAME_COUNT.
INPUT is read as a picture; a still picture is one frame.
.B \-\-decode
reads the first frame.
.PP
An option that does not apply to the chosen format or colour mode is a
usage error.)man",
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
        .pszManual = R"man(Read a file written by
.BR "\-f 1" ,
.BR "\-f 2" ,
.B "\-f bytes"
or
.B "\-\-for"
(CR LF or LF line ends) and write the picture it holds to
.B \-o
.I PICTURE
(default: FILE with
.I .png
added, so that the decoded picture never takes the name of the picture
the export was made from):
PNG when PICTURE ends in
.IR .png ,
with the alpha of an export that keeps it
.RB ( argb8888 ,
.BR rgb565a8 ,
.BR a8 ,
.BR 565a1 ),
else a 24\-bit BMP file, which has no alpha.
The colours are those the program shows for the colour mode, but for 64
colours, where each level L of a channel comes back as 85 \(mu L; grey
levels come back spread evenly over 0 to 255, palette indices as their
palette colours; so
converting the picture again with the same mode and options, thresholds
128, gives the same bytes.
A file that is no such export, is cut short, or holds more or fewer values
than its size gives is refused with a message naming the line.
Only
.B \-o
and
.B \-\-force
go with it.)man",
        .completion = ValueCompletion::Files,
        .pszFiles = "'@(c|txt)'",
        .bWithDecode = true,
        .take = [](CommandLine& line, const std::string& arg, const std::string&) { return TakePath(line.decode, arg, "the path to decode is empty"); },
    },
    {
        .pszLong = "list-formats",
        .group = HelpGroup::Tool,
        .pszHelp = "the -f formats, one a line",
        .pszManual = R"man(Print the formats
.B \-f
takes, one a line, and exit.)man",
        .action = ParsedExportOptions::Action::ListFormats,
    },
    {
        .pszLong = "list-modes",
        .group = HelpGroup::Tool,
        .pszHelp = "the colour modes, one a line: number and name",
        .pszManual = R"man(Print the colour modes, one a line: the number and the name, either of which
.B \-m
takes; and exit.)man",
        .action = ParsedExportOptions::Action::ListModes,
    },
    {
        .pszLong = "list-targets",
        .group = HelpGroup::Tool,
        .pszHelp = "the --for targets, one a line: the word and its source's extension",
        .pszManual = R"man(Print the targets
.B \-\-for
takes, one a line: the word and the extension of its source; and exit.)man",
        .action = ParsedExportOptions::Action::ListTargets,
    },
    {
        .pszLong = "help",
        .cShort = 'h',
        .group = HelpGroup::Tool,
        .pszHelp = "this text",
        .pszManual = R"man(Show a summary of the options and exit.)man",
        .action = ParsedExportOptions::Action::Help,
    },
    {
        .pszLong = "version",
        .group = HelpGroup::Tool,
        .pszHelp = "the version",
        .pszManual = R"man(Show the version and exit.)man",
        .action = ParsedExportOptions::Action::Version,
    },
};

// Every mode's number and name, for the completion.
std::string ModeWords()
{
    std::string words;
    for (const PixelFormat& format : PixelFormats()) {
        if (!format.bNamedOnly) words += std::to_string(format.Number()) + "|";
        words += std::string(format.pszName) + "|";
    }
    words.pop_back();
    return words;
}

} // namespace

std::string ToolOption::ShortestName() const
{
    return cShort != 0 ? std::string("-") + cShort : std::string("--") + pszLong;
}

std::string ToolOption::Choices() const
{
    if (pszChoices != nullptr) return WithListsFilledIn(pszChoices);
    const std::string value = pszValue != nullptr ? WithListsFilledIn(pszValue) : "";
    return value.find('|') != std::string::npos ? value : "";
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
        {"{modes}", ModeWords},
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
