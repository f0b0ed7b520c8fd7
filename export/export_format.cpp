#include "export/export_format.h"

#include "core/pixel_format.h"
#include "export/bytes_writer.h"
#include "export/format1_writer.h"
#include "export/format2_writer.h"
#include "export/mode_layout.h"

namespace {

bool HasModeLayout(ColorMode mode)
{
    return FindModeLayout(mode) != nullptr;
}

bool HasPixelFormat(ColorMode mode)
{
    return FindPixelFormat(mode) != nullptr;
}

constexpr OutputFormat kFormats[] = {
    {ExportFormat::Format1, "1", "c",
     "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)",
     LineEnds::CrLf, false, true, HasModeLayout, WriteFormat1, IsFormat1Start, ReadFormat1},
    {ExportFormat::Format2, "2", "txt",
     "Text Files (*.txt);;C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;All Files (*)",
     LineEnds::CrLf, false, true, HasModeLayout, WriteFormat2, IsFormat2Start, ReadFormat2},
    {ExportFormat::Bytes, "bytes", "c",
     "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)",
     LineEnds::Lf, true, false, HasPixelFormat, WriteBytesSource, IsBytesFormatStart, ReadBytesFormat},
};

} // namespace

std::span<const OutputFormat> OutputFormats()
{
    return kFormats;
}

const OutputFormat& FindOutputFormat(ExportFormat format)
{
    for (const OutputFormat& row : kFormats)
        if (row.id == format) return row;
    return kFormats[0];
}

const OutputFormat* FindOutputFormat(std::string_view name)
{
    for (const OutputFormat& row : kFormats)
        if (name == row.pszName) return &row;
    return nullptr;
}

std::string OutputFormatNames()
{
    std::string names;
    for (const OutputFormat& row : kFormats) names += (names.empty() ? "" : "|") + std::string(row.pszName);
    return names;
}

std::optional<std::string> RefusalFor(const OutputFormat& format, const CapturedPicture& picture)
{
    if (format.bAnyDocument) return {};
    if (!format.TakesMode(picture.mode))
        return "colour mode " + std::to_string(static_cast<int>(picture.mode)) + " has no " + format.pszName + " layout";
    if (picture.PixelCount() == 0) return std::string("the picture has no pixels, and a C array cannot be empty");
    return {};
}

std::optional<std::string> OptionsErrorFor(const OutputFormat& format, std::optional<ColorMode> mode,
                                           const BytesOptions& options, bool bHeader)
{
    const char* first = FirstGivenOption(options);
    if (first == nullptr && bHeader) first = "--header";
    if (!format.bLayoutOptions)
        return first == nullptr ? std::nullopt : std::optional<std::string>(std::string(first) + " applies only to -f bytes");
    if (mode) {
        if (const char* option = OptionNotForMode(options, *mode))
            return std::string(option) + " does not apply to colour mode " + std::to_string(static_cast<int>(*mode));
    }
    if (options.bStatic && bHeader) return "--static cannot go with --header, which declares the array extern";
    if (options.strAttribute.find_first_of("\r\n") != std::string::npos) return "--attribute must be one line";
    return {};
}

bool WriteExportFile(std::FILE* file, const OutputFormat& format, const ExportJob& job)
{
    TextWriter out(file, format.lineEnds);
    format.Write(out, job);
    return out.Flush();
}

bool WriteBytesHeaderFile(std::FILE* file, const std::string& headerPath, const ExportJob& job)
{
    TextWriter out(file, FindOutputFormat(ExportFormat::Bytes).lineEnds);
    WriteBytesHeader(out, job, HeaderGuard(headerPath));
    return out.Flush();
}

ReadError ReadExportText(std::string_view text, PictureBuffer& picture)
{
    Lines lines(text);
    std::string_view first;
    if (!lines.Next(first)) return AtLine(1, "the file is empty");
    for (const OutputFormat& format : kFormats)
        if (format.IsStart(first)) return format.Read(first, lines, picture);
    return AtLine(1, "not an export of tovix-export");
}
