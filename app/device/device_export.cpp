// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/device_export.h"

#include "app/device/device_render.h"
#include "app/res/device_strings.h"
#include "core/file_transaction.h"
#include "core/file_write.h"
#include "core/user_dialogs.h"
#include "export/export_messages.h"

#include <filesystem>

bool RunDeviceExport(const CapturedPicture& picture, const DeviceChoices& choices, const DeviceRender* pRendered,
                     UserDialogs& dialogs)
{
    std::optional<DeviceRender> rendered;
    const DeviceRender& render = pRendered != nullptr ? *pRendered : rendered.emplace(RenderForDevice(picture, choices));
    // The dialog greys its button out for these once its preview knows; it may be pressed before.
    if (render.refusal) {
        dialogs.ShowMessage(res::str::device::kCannotExport);
        return false;
    }

    const OutputFormat& output = choices.Output();
    const std::optional<std::string> path =
        dialogs.AskSaveFileName({choices.settings.name, output.pszExtension, output.pszSaveFilters});
    if (!path || path->empty()) return false;
    const std::string headerPath = std::filesystem::path(*path).replace_extension(".h").string();
    const bool bHeader = choices.settings.bHeader && headerPath != *path;
    if ((FileExists(*path) || (bHeader && FileExists(headerPath))) && !dialogs.AskYesNo(msg::kOverwriteQuestion))
        return false;

    ExportJob job{render.Picture(picture), choices.settings.name, choices.settings.layout};
    if (bHeader) job.bytes.strHeaderInclude = std::filesystem::path(headerPath).filename().string();
    // A target that cannot be created is not told, as with the other exports.
    CFileTransaction files;
    std::FILE* source = files.Add(*path);
    std::FILE* header = bHeader ? files.Add(headerPath) : nullptr;
    if (source == nullptr || (bHeader && header == nullptr)) return false;
    if (!WriteExportFile(source, output, job) || (bHeader && !WriteHeaderFile(header, output, headerPath, job)))
        return ReportWriteOutcome(WriteOutcome::WriteFailed, {nullptr, msg::kExportWriteFailed}, dialogs);
    const std::optional<CFileTransaction::Failure> failure = files.Commit();
    return ReportWriteOutcome(failure ? failure->outcome : WriteOutcome::Written, {nullptr, msg::kExportWriteFailed}, dialogs);
}
