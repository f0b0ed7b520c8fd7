// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/document_choices.h"

#include "core/tovix_doc.h"
#include "export/export_name.h"

DeviceChoices ChoicesOf(const CTOVIXDoc& doc)
{
    DeviceChoices choices;
    ExportSettings& settings = choices.settings;
    settings = doc.ExportSettings();
    settings.mode = doc.DeviceMode();
    if (settings.format != ExportFormat::Bin) settings.format = ExportFormat::Bytes;
    // A target this build does not know leaves a layout of one's own.
    if (OutputFormatOf(settings) == nullptr) settings.target.clear();
    if (settings.name.empty()) settings.name = MakeExportName(doc.GetTitle());
    return choices;
}
