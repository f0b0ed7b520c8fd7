#include "cli/export_run.h"

#include "cli/console_dialogs.h"
#include "cli/output_file.h"
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/tovix_doc.h"
#include "export/export_name.h"
#include "picture/picture_import.h"

#include <cstdio>
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
    return MakeExportName(std::filesystem::path(input).stem().string());
}

// How a source names its header: the header's path seen from the source's folder.
std::string IncludeName(const OutputTarget& header, const OutputTarget& source)
{
    namespace fs = std::filesystem;
    const fs::path folder = source.IsStandardOutput() ? fs::current_path() : fs::absolute(source.path).parent_path();
    return fs::absolute(header.path).lexically_normal().lexically_relative(folder.lexically_normal()).generic_string();
}

std::vector<OutputTarget> PlanOutputs(const ExportRequest& request, const std::string& input)
{
    std::vector<OutputTarget> planned;
    for (const RequestedOutput& output : request.outputs) {
        const std::string defaultPath =
            std::filesystem::path(input).replace_extension(std::string(".") + request.format->pszExtension).string();
        planned.push_back({output.kind, output.path.value_or(defaultPath)});
    }
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
    if (!ReadInput(request, input, *doc, inputDialogs)) return kExitRefused;

    if (request.mode) doc->SetColorMode(*request.mode);
    if (request.thresholds) doc->SetThresholds(*request.thresholds);
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

    // Every target is checked before any is written.
    const std::vector<OutputTarget> outputs = PlanOutputs(request, input);
    for (const OutputTarget& output : outputs)
        if (!CheckOutputFree(output, request.bForce)) return kExitRefused;

    // The files of one INPUT land together once all are complete; standard
    // output, which cannot be taken back, is written last, before they land.
    const ExportJob job = MakeJob(request, input, *picture, outputs);
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
