// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_run.h"

#include "cli/console_dialogs.h"
#include "cli/output_file.h"
#include "cli/tool_language.h"
#include "core/file_ptr.h"
#include "core/messages.h"
#include "core/picture_values.h"
#include "core/pixel_format.h"
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/tovix_doc.h"
#include "export/export_name.h"
#include "picture/picture_import.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <memory>

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

bool ReadInput(const ExportRequest& request, const std::string& input, CTOVIXDoc& doc, UserDialogs& dialogs)
{
    switch (KindOfInput(request, input)) {
    case InputKind::Document: return ReadDocumentFile(doc, input, dialogs);
    case InputKind::Bmp: return ImportBmp(doc, input, dialogs);
    case InputKind::Picture: return ImportPicture(doc, input, dialogs, request.background);
    }
    return false;
}

std::string DefaultExportName(const std::string& input)
{
    if (input == kStandardInput) return "stdin";
    return MakeExportName(std::filesystem::path(input).stem().string());
}

// Standard input as a file the readers can open, removed when it goes.
class StandardInputFile {
public:
    StandardInputFile()
    {
        const char* tmp = std::getenv("TMPDIR");
        m_path = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tovix-export-XXXXXX";
        const int fd = mkstemp(m_path.data());
        if (fd < 0) {
            m_path.clear();
            return;
        }
        char buffer[1 << 16];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
            if (write(fd, buffer, n) != static_cast<ssize_t>(n)) m_bFailed = true;
        }
        m_bFailed = m_bFailed || std::ferror(stdin) != 0;
        if (close(fd) != 0) m_bFailed = true;
    }
    ~StandardInputFile()
    {
        if (!m_path.empty()) unlink(m_path.c_str());
    }
    StandardInputFile(const StandardInputFile&) = delete;
    StandardInputFile& operator=(const StandardInputFile&) = delete;

    // The file's path; empty when standard input could not be kept.
    std::string Path() const { return m_bFailed ? std::string() : m_path; }

private:
    std::string m_path;
    bool m_bFailed = false;
};

// How a source names its header: the header's path seen from the source's folder.
std::string IncludeName(const OutputTarget& header, const OutputTarget& source)
{
    namespace fs = std::filesystem;
    const fs::path folder = source.IsStandardOutput() ? fs::current_path() : fs::absolute(source.path).parent_path();
    return fs::absolute(header.path).lexically_normal().lexically_relative(folder.lexically_normal()).generic_string();
}

std::vector<OutputTarget> PlanOutputs(const ExportRequest& request, const std::string& input)
{
    // A picture from standard input goes to standard output unless told otherwise.
    const std::string defaultPath =
        input == kStandardInput
            ? std::string("-")
            : std::filesystem::path(input).replace_extension(std::string(".") + request.format->pszExtension).string();
    std::vector<OutputTarget> planned;
    for (const RequestedOutput& output : request.outputs) planned.push_back({output.kind, output.path.value_or(defaultPath)});
    return planned;
}

// The job an INPUT's export and header share.
ExportJob MakeJob(const ExportRequest& request, const std::string& input, const CapturedPicture& picture,
                  const std::vector<OutputTarget>& outputs)
{
    ExportJob job{picture, request.name.value_or(DefaultExportName(input)), request.bytes};
    const OutputTarget* header = nullptr;
    const OutputTarget* source = nullptr;
    for (const OutputTarget& output : outputs) {
        if (output.kind == OutputKind::Header) header = &output;
        if (output.kind == OutputKind::Export) source = &output;
    }
    if (header != nullptr && source != nullptr) job.bytes.strHeaderInclude = IncludeName(*header, *source);
    return job;
}

} // namespace

// One INPUT of the request; returns its exit status.
int ExportInput(const ExportRequest& request, const std::string& input)
{
    ConsoleDialogs inputDialogs(input);
    auto doc = std::make_unique<CTOVIXDoc>();
    std::optional<StandardInputFile> standardInput;
    if (input == kStandardInput) {
        standardInput.emplace();
        if (standardInput->Path().empty()) {
            ReportError(input, std::string("cannot keep standard input in a temporary file: ") + std::strerror(errno));
            return kExitRefused;
        }
    }
    const std::string path = standardInput ? standardInput->Path() : input;
    if (!OpenFile(path, "rb")) {
        const int nError = errno;
        const bool bDocument = KindOfInput(request, path) == InputKind::Document;
        const std::string text = InToolLanguage(bDocument ? msg::kCannotOpenDocument : msg::kCannotOpenBitmap);
        ReportError(input, SpeaksJapanese() ? text : text + SystemReason(nError));
        return kExitRefused;
    }
    if (!ReadInput(request, path, *doc, inputDialogs)) return kExitRefused;

    if (request.mode) doc->SetColorMode(*request.mode);
    if (request.thresholds) doc->SetThresholds(*request.thresholds);
    if (!ThresholdsApply(request, doc->m_nColorMode)) {
        ReportError(input, ThresholdError(doc->m_nColorMode));
        return kExitUsage;
    }
    const std::optional<CapturedPicture> picture = CapturePicture(*doc, inputDialogs);
    if (!picture) return kExitRefused;
    if (const auto refusal = RefusalFor(*request.format, *picture)) {
        ReportError(input, *refusal);
        return kExitRefused;
    }
    // A document brings its own mode, which the layout options may not fit.
    if (const auto error = OptionsErrorFor(*request.format, picture->mode, request.bytes, false)) {
        ReportError(input, *error);
        return kExitUsage;
    }

    if (const auto error = ReductionError(request.reduction, picture->mode)) {
        ReportError(input, *error);
        return kExitUsage;
    }
    CapturedPicture reduced = *picture;
    const std::vector<std::uint32_t> palette = PaletteFor(reduced, request.reduction);
    const PixelFormat* format = FindPixelFormat(reduced.mode);
    if (palette.empty() && format != nullptr && format->UsesPalette()) {
        ReportError(input, "no palette could be chosen for the picture");
        return kExitRefused;
    }
    reduced.palette = palette;
    const std::vector<std::uint32_t> values = EncodedValues(reduced, request.reduction);
    reduced.values = values;

    // Every target is checked before any is written.
    const std::vector<OutputTarget> outputs = PlanOutputs(request, input);
    for (const OutputTarget& output : outputs)
        if (!CheckOutputFree(output, request.bForce)) return kExitRefused;

    // The files of one INPUT land together once all are complete; standard
    // output, which cannot be taken back, is written last, before they land.
    const ExportJob job = MakeJob(request, input, reduced, outputs);
    CFileTransaction files;
    for (const OutputTarget& output : outputs) {
        const bool bWritten = WriteOutput(files, output, [&](std::FILE* file) {
            switch (output.kind) {
            case OutputKind::Document: return StoreDocument(*doc, file);
            case OutputKind::Header: return WriteBytesHeaderFile(file, output.path, job);
            case OutputKind::Export: return WriteExportFile(file, *request.format, job);
            case OutputKind::Picture: break;
            }
            return false;
        });
        if (!bWritten) return kExitRefused;
    }
    return LandOutputFiles(files) ? 0 : kExitRefused;
}

int RunExportRequest(const ExportRequest& request)
{
    int nExit = 0;
    for (const std::string& input : request.inputs) nExit = std::max(nExit, ExportInput(request, input));
    return nExit;
}
