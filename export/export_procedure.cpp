#include "export/export_procedure.h"

#include "core/atomic_file.h"
#include "core/document_file.h"
#include "core/file_ptr.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"
#include "export/export_messages.h"
#include "export/export_name.h"

bool RunExport(CTOVIXDoc& doc, ExportFormat format, UserDialogs& dialogs)
{
    if (!doc.HasPicture()) {
        dialogs.ShowMessage(msg::kNoExportData);
        return false;
    }
    const std::optional<CapturedPicture> picture = CapturePicture(doc, dialogs);
    if (!picture) return false;

    const OutputFormat& output = FindOutputFormat(format);
    const std::string name = MakeExportName(doc.GetTitle());
    const std::optional<std::string> path = dialogs.AskSaveFileName({name, output.pszExtension, output.pszSaveFilters});
    if (!path || path->empty()) return false;

    if (OpenFile(*path, "rb") && !dialogs.AskYesNo(msg::kOverwriteQuestion)) return false;

    // Line ends are translated by the writer, so the file is written binary.
    CAtomicFile file(*path);
    if (file.File() == nullptr) return false;
    const bool bWritten = WriteExportFile(file.File(), output, {*picture, name, {}});
    const WriteOutcome outcome = bWritten ? file.Commit() : WriteOutcome::WriteFailed;
    if (outcome == WriteOutcome::WriteFailed) dialogs.ShowMessage(msg::kExportWriteFailed);
    return outcome == WriteOutcome::Written;
}
