// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/export_settings.h"
#include "export/export_job.h"
#include "export/format_readers.h"
#include "export/output_sink.h"
#include "export/text_writer.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct DisplayTarget;   // export/display_target.h, whose writers' types stay out of here

// Everything the program, the tool and --decode know about one output
// format. Adding a format is a row here with its writer and reader; each
// display target gives two rows, its C source and its raw bytes, made from
// its row of DisplayTargets().
struct OutputFormat {
    ExportFormat id;
    const char* pszName;            // the tool's -f word
    const char* pszExtension;       // added to a name typed without one, and the tool's default
    const char* pszSaveFilters;     // the save dialog's, Qt style, the format's own first
    LineEnds lineEnds;
    bool bLayoutOptions;            // takes the bytes options and --header
    bool bAnyDocument;              // writes whatever a document holds: any mode, no pixels
    bool (*TakesMode)(ColorMode mode);   // the modes -m may choose for it
    void (*Write)(TextWriter& out, const ExportJob& job);   // null for a target's rows
    bool (*IsStart)(std::string_view firstLine);
    ReadError (*Read)(std::string_view firstLine, Lines& lines, PictureBuffer& picture);
    const char* pszTarget = nullptr;    // the --for word; null for a format of no one library
    ColorMode defaultMode = ColorMode::Full;   // a target's mode when -m does not choose
    const DisplayTarget* pTarget = nullptr;    // the target's row, whose writer WriteTarget is
    void (*WriteTarget)(TextWriter& out, const ExportJob& job, const DisplayTarget& target) = nullptr;
    // The header --header writes beside the source, which then includes it:
    // WriteHeader for a format of its own, WriteTargetHeader for a target's
    // source; both null for a format that takes none.
    void (*WriteHeader)(TextWriter& out, const ExportJob& job, const std::string& guard) = nullptr;
    void (*WriteTargetHeader)(TextWriter& out, const ExportJob& job, const DisplayTarget& target,
                              const std::string& guard) = nullptr;

    bool WritesHeader() const { return WriteHeader != nullptr || WriteTargetHeader != nullptr; }
};

std::span<const OutputFormat> OutputFormats();
const OutputFormat& FindOutputFormat(ExportFormat format);

// The row a -f word names, or null.
const OutputFormat* FindOutputFormat(std::string_view name);

// The row of a -f word ("bytes" for a C source, "bin") for a --for target, or null.
const OutputFormat* FindOutputFormat(std::string_view name, std::string_view target);

// The row that writes the settings' format for their target, or null when
// the target has no such format (a target writes only bytes and bin).
const OutputFormat* OutputFormatOf(const ExportSettings& settings);

// "1|2|bytes|bin", for help and usage errors.
std::string OutputFormatNames();

// "u8g2|adafruit-gfx|...", the --for words, each once.
std::string TargetNames();

// "1 or 16", "16, 24 or 121": the -m numbers a format takes.
std::string ModesOf(const OutputFormat& format);

// Why the format cannot write the picture, or nothing when it can.
std::optional<std::string> RefusalFor(const OutputFormat& format, const CapturedPicture& picture);

// Why a format cannot write a named-only mode (FORMAT_1 and FORMAT_2 write
// the six numbered modes only), or nothing when it can.
std::optional<std::string> NamedModeError(const OutputFormat& format, ColorMode mode);

// Why the options cannot go with the format and, when known, the colour mode;
// nothing when they can. bHeader tells that a header was asked for.
std::optional<std::string> OptionsErrorFor(const OutputFormat& format, std::optional<ColorMode> mode,
                                           const LayoutOptions& options, bool bHeader);

// Why the reduction settings cannot go with the colour mode in the format,
// or nothing when they can.
std::optional<std::string> ReductionErrorFor(const OutputFormat& format, const ReductionSettings& settings, ColorMode mode);

// The settings with which the format reduces a picture of the mode: a
// two-colour picture's rule, when none is chosen, is the format's own:
// brightness in every output but FORMAT_1 and FORMAT_2, which keep the six
// modes' rule by the channels.
ReductionSettings ResolvedFor(const OutputFormat& format, ColorMode mode, ReductionSettings settings);

// A reduced picture's values and palette, which its spans point into.
struct ReducedValues {
    std::vector<std::uint32_t> values;
    std::vector<std::uint32_t> palette;
};

// The picture as the format's writer takes it, reduced under the settings;
// its spans point into kept. A format that reduces full colour to a
// panel's inks gives index2 values into those inks, so that the tool, the
// preview and the writer share the one reduction. kept.palette comes back
// empty when a palette format could not choose one, which
// ReducedPictureError tells.
CapturedPicture ReducedFor(const OutputFormat& format, CapturedPicture picture, const ReductionSettings& settings,
                           ReducedValues& kept);

// Why a picture ReducedFor gave cannot be written: a palette format for
// which no palette could be chosen.
std::optional<std::string> ReducedPictureError(const CapturedPicture& reduced);

// Writes a job in the format to a sink, with the format's line ends.
// Returns false when a write failed.
bool WriteExport(OutputSink sink, const OutputFormat& format, const ExportJob& job);

// The same to an open file.
bool WriteExportFile(std::FILE* file, const OutputFormat& format, const ExportJob& job);

// Writes the header that goes with a source of the format. Returns false when
// a write failed.
bool WriteHeaderFile(std::FILE* file, const OutputFormat& format, const std::string& headerPath, const ExportJob& job);

// Reads the text of an export of any format (CR LF or LF line ends) into a
// picture whose colours encode, at thresholds 128, to the values of the file.
// Returns the reason, naming the line, when the text is no such export, is
// cut short, or holds more or fewer values than its size gives.
ReadError ReadExportText(std::string_view text, PictureBuffer& picture);
