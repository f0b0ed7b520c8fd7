// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_format.h"

#include "core/picture_values.h"
#include "core/pixel_format.h"
#include "export/bytes_writer.h"
#include "export/display_target.h"
#include "export/display_targets.h"
#include "export/epaper_target.h"
#include "export/format1_writer.h"
#include "export/format2_writer.h"
#include "export/mode_layout.h"
#include "export/target_data.h"
#include "export/target_reader.h"

#include <vector>

namespace {

bool HasModeLayout(ColorMode mode)
{
    return FindModeLayout(mode) != nullptr;
}

// Alpha has no place in the plain byte layouts.
bool HasPixelFormat(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    return format != nullptr && !format->KeepsAlpha();
}

constexpr const char* kSourceFilters =
    "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)";
constexpr const char* kBinFilters = "Binary Files (*.bin);;All Files (*)";

// A target's C source and its raw bytes.
OutputFormat TargetSource(const DisplayTarget& target)
{
    return {ExportFormat::Bytes, FormatWord(ExportFormat::Bytes), target.pszExtension, kSourceFilters, LineEnds::Lf, false, false,
            target.TakesMode, nullptr, IsTargetStart, ReadTargetSource, target.pszWord, target.defaultMode, &target,
            target.WriteSource, nullptr, target.WriteHeader};
}

OutputFormat TargetBin(const DisplayTarget& target)
{
    return {ExportFormat::Bin, FormatWord(ExportFormat::Bin), "bin", kBinFilters, LineEnds::Lf, false, false, target.TakesMode, nullptr,
            nullptr, nullptr, target.pszWord, target.defaultMode, &target, target.WriteBin};
}

// The formats of their own, then every target's source, then every target's raw bytes.
std::vector<OutputFormat> MakeFormats()
{
    std::vector<OutputFormat> formats = {
        {ExportFormat::Format1, FormatWord(ExportFormat::Format1), "c",
         "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)",
         LineEnds::CrLf, false, true, HasModeLayout, WriteFormat1, IsFormat1Start, ReadFormat1},
        {ExportFormat::Format2, FormatWord(ExportFormat::Format2), "txt",
         "Text Files (*.txt);;C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;All Files (*)",
         LineEnds::CrLf, false, true, HasModeLayout, WriteFormat2, IsFormat2Start, ReadFormat2},
        {ExportFormat::Bytes, FormatWord(ExportFormat::Bytes), "c", kSourceFilters, LineEnds::Lf, true, false, HasPixelFormat, WriteBytesSource,
         IsBytesFormatStart, ReadBytesFormat, nullptr, ColorMode::Full, nullptr, nullptr, WriteBytesHeader},
        {ExportFormat::Bin, FormatWord(ExportFormat::Bin), "bin", kBinFilters, LineEnds::Lf, true, false, HasPixelFormat, WriteBytesBin, nullptr,
         nullptr},
    };
    for (const DisplayTarget& target : DisplayTargets()) formats.push_back(TargetSource(target));
    for (const DisplayTarget& target : DisplayTargets()) formats.push_back(TargetBin(target));
    return formats;
}

// Whether the format reduces full colour to a panel's inks.
bool ReducesColours(const OutputFormat& format)
{
    return format.pTarget != nullptr && format.pTarget->ReducesColours();
}

bool TwoColoursByBrightness(const OutputFormat& format)
{
    // The channel rule keeps pure red and blue white: a red logo vanishes.
    return format.id != ExportFormat::Format1 && format.id != ExportFormat::Format2;
}

} // namespace

std::span<const OutputFormat> OutputFormats()
{
    static const std::vector<OutputFormat> formats = MakeFormats();
    return formats;
}

const OutputFormat& FindOutputFormat(ExportFormat format)
{
    for (const OutputFormat& row : OutputFormats())
        if (row.id == format) return row;
    return OutputFormats()[0];
}

const OutputFormat* FindOutputFormat(std::string_view name)
{
    for (const OutputFormat& row : OutputFormats())
        if (name == row.pszName && row.pszTarget == nullptr) return &row;
    return nullptr;
}

const OutputFormat* FindOutputFormat(std::string_view name, std::string_view target)
{
    for (const OutputFormat& row : OutputFormats())
        if (name == row.pszName && row.pszTarget != nullptr && target == row.pszTarget) return &row;
    return nullptr;
}

const OutputFormat* OutputFormatOf(const ExportSettings& settings)
{
    if (settings.target.empty()) return &FindOutputFormat(settings.format);
    return FindOutputFormat(FormatWord(settings.format), settings.target);
}

std::string OutputFormatNames()
{
    std::string names;
    for (const OutputFormat& row : OutputFormats())
        if (row.pszTarget == nullptr) names += (names.empty() ? "" : "|") + std::string(row.pszName);
    return names;
}

std::string TargetNames()
{
    std::string names;
    for (const DisplayTarget& target : DisplayTargets()) names += (names.empty() ? "" : "|") + std::string(target.pszWord);
    return names;
}

std::string ModesOf(const OutputFormat& format)
{
    std::string modes;
    for (const PixelFormat& pixel : PixelFormats())
        if (format.TakesMode(pixel.mode)) modes += (modes.empty() ? "" : " or ") + pixel.Word();
    return modes;
}

std::optional<std::string> RefusalFor(const OutputFormat& format, const CapturedPicture& picture)
{
    if (format.bAnyDocument) return {};
    if (!format.TakesMode(picture.mode))
        return "colour mode " + ModeWord(picture.mode) + " has no " + format.pszName + " layout";
    if (picture.PixelCount() == 0) return std::string("the picture has no pixels, and a C array cannot be empty");
    if (format.pTarget != nullptr) return TargetSizeRefusal(*format.pTarget, picture);
    return {};
}

std::optional<std::string> NamedModeError(const OutputFormat& format, ColorMode mode)
{
    const PixelFormat* row = FindPixelFormat(mode);
    if (format.TakesMode(mode) || row == nullptr || !row->bNamedOnly) return {};
    return "-f " + std::string(format.pszName) + " takes colour mode " + ModesOf(format) + ", not " + ModeWord(mode);
}

std::optional<std::string> OptionsErrorFor(const OutputFormat& format, std::optional<ColorMode> mode,
                                           const LayoutOptions& options, bool bHeader)
{
    if (format.pszTarget != nullptr) {
        const std::string target = std::string("--for ") + format.pszTarget;
        if (mode && !format.TakesMode(*mode))
            return target + " takes colour mode " + ModesOf(format) + ", not " + ModeWord(*mode);
        LayoutOptions others = options;
        others.bInvert = false;
        const char* other = FirstGivenOption(others);
        if (other == nullptr && bHeader && !format.WritesHeader()) other = "--header";
        if (other != nullptr) return std::string(other) + " does not apply to " + target;
        if (mode && options.bInvert && *mode != ColorMode::Mono) return "--invert applies only to colour mode 1";
        return {};
    }
    const char* first = FirstGivenOption(options);
    if (first == nullptr && bHeader) first = "--header";
    if (!format.bLayoutOptions)
        return first == nullptr ? std::nullopt : std::optional<std::string>(std::string(first) + " applies only to -f bytes");
    if (mode) {
        if (const char* option = OptionNotForMode(options, *mode))
            return std::string(option) + " does not apply to colour mode " + ModeWord(*mode);
    }
    if (format.id == ExportFormat::Bin) {
        // A binary file has no declaration to change.
        const char* declaration = options.bStatic                  ? "--static"
                                  : !options.strAttribute.empty() ? "--attribute"
                                  : bHeader                        ? "--header"
                                  : options.bFrames                ? "--frames"
                                                                   : nullptr;
        if (declaration != nullptr) return std::string(declaration) + " does not apply to -f bin";
    }
    if (options.bStatic && bHeader) return "--static cannot go with --header, which declares the array extern";
    if (options.bFrames && bHeader) return "--frames cannot go with --header; the source declares its arrays itself";
    if (options.strAttribute.find_first_of("\r\n") != std::string::npos) return "--attribute must be one line";
    return {};
}

std::optional<std::string> ReductionErrorFor(const OutputFormat& format, const ReductionSettings& settings, ColorMode mode)
{
    // Full colour keeps every colour, but a panel's inks do not.
    ReductionSettings checked = settings;
    if (ReducesColours(format)) checked.dither = DitherMethod::None;
    return ReductionError(checked, mode);
}

ReductionSettings ResolvedFor(const OutputFormat& format, ColorMode mode, ReductionSettings settings)
{
    const PixelFormat* pixelFormat = FindPixelFormat(mode);
    if (!settings.monoRule && pixelFormat != nullptr && pixelFormat->rule == ChannelRule::Threshold)
        settings.monoRule = TwoColoursByBrightness(format) ? ReductionSettings::MonoRule::Luminance
                                                           : ReductionSettings::MonoRule::Channels;
    return settings;
}

CapturedPicture ReducedFor(const OutputFormat& format, CapturedPicture picture, const ReductionSettings& chosen,
                           ReducedValues& kept)
{
    const ReductionSettings settings = ResolvedFor(format, picture.mode, chosen);
    if (ReducesColours(format)) {
        picture.mode = ColorMode::Index2;
        kept.palette = EpaperInks(*format.pTarget->pInk);
    } else {
        kept.palette = PaletteFor(picture, settings);
    }
    picture.palette = kept.palette;
    kept.values = EncodedValues(picture, settings);
    picture.values = kept.values;
    return picture;
}

std::optional<std::string> ReducedPictureError(const CapturedPicture& reduced)
{
    const PixelFormat* format = FindPixelFormat(reduced.mode);
    if (format != nullptr && format->UsesPalette() && reduced.palette.empty())
        return "no palette could be chosen for the picture";
    return std::nullopt;
}

bool WriteExport(OutputSink sink, const OutputFormat& format, const ExportJob& job)
{
    TextWriter out(sink, format.lineEnds);
    if (format.pTarget != nullptr)
        format.WriteTarget(out, job, *format.pTarget);
    else
        format.Write(out, job);
    return out.Flush();
}

bool WriteExportFile(std::FILE* file, const OutputFormat& format, const ExportJob& job)
{
    FileSink sink(file);
    return WriteExport(sink.Sink(), format, job);
}

bool WriteHeaderFile(std::FILE* file, const OutputFormat& format, const std::string& headerPath, const ExportJob& job)
{
    FileSink sink(file);
    TextWriter out(sink.Sink(), format.lineEnds);
    if (format.pTarget != nullptr)
        format.WriteTargetHeader(out, job, *format.pTarget, HeaderGuard(headerPath));
    else
        format.WriteHeader(out, job, HeaderGuard(headerPath));
    return out.Flush();
}

ReadError ReadExportText(std::string_view text, PictureBuffer& picture)
{
    Lines lines(text);
    std::string_view first;
    if (!lines.Next(first)) return AtLine(1, "the file is empty");
    for (const OutputFormat& format : OutputFormats())
        if (format.IsStart != nullptr && format.IsStart(first)) return format.Read(first, lines, picture);
    return AtLine(1, "not an export of tovix-export");
}
