#include "cli/export_run.h"

#include "cli/console_dialogs.h"
#include "core/atomic_file.h"
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

bool ReadInput(const ExportRequest& request, CTOVIXDoc& doc, UserDialogs& dialogs)
{
    switch (KindOfInput(request)) {
    case InputKind::Document: return OpenDocumentFile(doc, request.strInput, dialogs);
    case InputKind::Bmp: return ImportBmp(doc, request.strInput, dialogs);
    case InputKind::Picture: return ImportPicture(doc, request.strInput, dialogs, request.background);
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

bool WriteOutput(const ExportRequest& request, const std::string& path, const std::string& name, const CTOVIXDoc& doc)
{
    if (path == "-") {
        if (WriteExportFile(stdout, request.format, name, doc)) return true;
        ReportError("-", "cannot write to standard output");
        return false;
    }
    CAtomicFile file(path);
    if (file.File() == nullptr) {
        ReportError(path, "cannot create the file");
        return false;
    }
    if (!WriteExportFile(file.File(), request.format, name, doc) || !file.Commit()) {
        ReportError(path, "cannot write the file");
        return false;
    }
    return true;
}

} // namespace

int RunExportRequest(const ExportRequest& request)
{
    ConsoleDialogs inputDialogs(request.strInput);
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ReadInput(request, *doc, inputDialogs)) return kExitRefused;

    if (request.mode) doc->m_nColorMode = *request.mode;
    if (request.thresholds) {
        doc->m_nThresholdR = (*request.thresholds)[0];
        doc->m_nThresholdG = (*request.thresholds)[1];
        doc->m_nThresholdB = (*request.thresholds)[2];
    }
    if (!CapturePicture(*doc, inputDialogs)) return kExitRefused;

    // Both targets are checked before either is written.
    std::optional<std::string> output = request.output;
    if (!output && !request.saveDoc) output = DefaultOutputPath(request.strInput, request.format);
    for (const std::optional<std::string>& target : {output, request.saveDoc}) {
        if (target && *target != "-" && !request.bForce && std::filesystem::exists(*target)) {
            ReportError(*target, "the file exists; give --force to replace it");
            return kExitRefused;
        }
    }

    if (request.saveDoc) {
        ConsoleDialogs docDialogs(*request.saveDoc);
        if (!SaveDocumentFile(*doc, *request.saveDoc, docDialogs)) return kExitRefused;
    }
    if (!output) return 0;
    const std::string name = request.name.value_or(DefaultExportName(request.strInput));
    return WriteOutput(request, *output, name, *doc) ? 0 : kExitRefused;
}
