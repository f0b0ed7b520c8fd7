// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/document_choices.h"

#include "core/pixel_format.h"
#include "core/tovix_doc.h"
#include "export/export_name.h"

DeviceSettings SettingsOf(const DeviceChoices& choices)
{
    DeviceSettings settings;
    if (const PixelFormat* format = FindPixelFormat(choices.mode)) settings.strPixelFormat = format->pszName;
    settings.reduction = choices.reduction;
    DeviceOutputChoices& output = settings.output;
    if (choices.pszTarget != nullptr) output.strTarget = choices.pszTarget;
    KeepLayout(choices.bytes, output);
    output.strArrayName = choices.arrayName;
    output.bHeader = choices.bHeader;
    if (choices.bBinary) output.strFormat = FindOutputFormat(ExportFormat::Bin).pszName;
    settings.geometry = choices.geometry;
    return settings;
}

DeviceChoices ChoicesOf(const CTOVIXDoc& doc)
{
    const DeviceSettings& settings = doc.DeviceSettings();
    const DeviceOutputChoices& output = settings.output;
    DeviceChoices choices;
    choices.mode = doc.DeviceMode();
    choices.reduction = settings.reduction;
    if (const OutputFormat* row = FindOutputFormat("bytes", output.strTarget)) choices.pszTarget = row->pszTarget;
    choices.bytes = KeptLayout(output);
    choices.arrayName = output.strArrayName.empty() ? MakeExportName(doc.GetTitle()) : output.strArrayName;
    choices.bHeader = output.bHeader;
    choices.bBinary = output.strFormat == FindOutputFormat(ExportFormat::Bin).pszName;
    choices.geometry = settings.geometry;
    return choices;
}
