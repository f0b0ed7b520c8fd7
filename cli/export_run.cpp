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

std::string DefaultOutputPath(const std::string& input, ExportFormat format)
{
    return std::filesystem::path(input).replace_extension(std::string(".") + DefaultExtension(format)).string();
}

std::string DefaultExportName(const std::string& input)
{
    return MakeExportName(std::filesystem::path(input).stem().string());
}

// How a source names its header: the header's path seen from the source's folder.
std::string IncludeName(const std::string& header, const std::string& source)
{
    namespace fs = std::filesystem;
    const fs::path folder = source == "-" ? fs::current_path() : fs::absolute(source).parent_path();
    return fs::absolute(header).lexically_normal().lexically_relative(folder.lexically_normal()).generic_string();
}

// Why the bytes format cannot write this document, with the exit status.
std::optional<std::pair<std::string, int>> BytesRefusal(const ExportRequest& request, const CTOVIXDoc& doc)
{
    if (!IsKnownColorMode(doc.m_nColorMode))
        return {{"colour mode " + std::to_string(static_cast<int>(doc.m_nColorMode)) + " has no bytes layout", kExitRefused}};
    if (const char* option = OptionNotForMode(request.bytes, doc.m_nColorMode))
        return {{std::string(option) + " does not apply to colour mode " + std::to_string(static_cast<int>(doc.m_nColorMode)),
                 kExitUsage}};
    if (static_cast<std::int64_t>(doc.m_nWidth) * doc.m_nHeight == 0)
        return {{"the picture has no pixels, and a C array cannot be empty", kExitRefused}};
    return {};
}

} // namespace

// One INPUT of the request; returns its exit status.
int ExportInput(const ExportRequest& request, const std::string& input)
{
    ConsoleDialogs inputDialogs(input);
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ReadInput(request, input, *doc, inputDialogs)) return kExitRefused;

    if (request.mode) doc->m_nColorMode = *request.mode;
    if (request.thresholds) doc->SetThresholds(*request.thresholds);
    if (!CapturePicture(*doc, inputDialogs)) return kExitRefused;
    if (request.format == ExportFormat::Bytes) {
        if (const auto refusal = BytesRefusal(request, *doc)) {
            ReportError(input, refusal->first);
            return refusal->second;
        }
    }

    // Every target is checked before any is written.
    std::optional<std::string> output = request.output;
    if (!output && !request.saveDoc) output = DefaultOutputPath(input, request.format);
    for (const std::optional<std::string>& target : {output, request.saveDoc, request.header}) {
        if (target && !(target == output && *target == "-") && !CheckOutputFree(*target, request.bForce))
            return kExitRefused;
    }

    // The files of one INPUT land together once all are complete; standard
    // output, which cannot be taken back, is written before they land.
    CFileTransaction files;
    if (request.saveDoc &&
        !WriteOutputFile(files, *request.saveDoc, [&doc](std::FILE* file) { return StoreDocument(*doc, file); }))
        return kExitRefused;
    if (output) {
        const std::string name = request.name.value_or(DefaultExportName(input));
        BytesOptions bytes = request.bytes;
        if (request.header) {
            bytes.strHeaderInclude = IncludeName(*request.header, *output);
            const bool bHeaderWritten = WriteOutputFile(files, *request.header, [&](std::FILE* file) {
                return WriteBytesHeaderFile(file, *request.header, name, *doc, bytes);
            });
            if (!bHeaderWritten) return kExitRefused;
        }
        const bool bWritten = WriteOutput(files, *output, [&](std::FILE* file) {
            return WriteExportFile(file, request.format, name, *doc, bytes);
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
