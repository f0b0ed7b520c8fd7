// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_procedure.h"

#include "core/document_file.h"
#include "core/file_write.h"
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

    if (FileExists(*path) && !dialogs.AskYesNo(msg::kOverwriteQuestion)) return false;

    // Line ends are translated by the writer, so the file is written binary.
    // A target that cannot be created is not told, as the program always did.
    const WriteOutcome outcome =
        WriteWholeFile(*path, [&](std::FILE* file) { return WriteExportFile(file, output, {*picture, name, {}}); });
    return ReportWriteOutcome(outcome, {nullptr, msg::kExportWriteFailed}, dialogs);
}
