// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/document_choices.h"

#include "core/pixel_format.h"
#include "core/tovix_doc.h"
#include "export/export_name.h"

namespace {

// The tool's words for the layout options the document keeps.
const char* PackWord(MonoPacking packing)
{
    return packing == MonoPacking::Pages ? "pages" : "rows";
}

const char* BitOrderWord(BitOrder order)
{
    return order == BitOrder::Lsb ? "lsb" : "msb";
}

const char* ByteOrderWord(ByteOrder order)
{
    return order == ByteOrder::Big ? "big" : "little";
}

const char* PaletteFormatWord(PaletteFormat format)
{
    return format == PaletteFormat::Rgb565 ? "565" : "888";
}

} // namespace

DeviceSettings SettingsOf(const DeviceChoices& choices)
{
    DeviceSettings settings;
    if (const PixelFormat* format = FindPixelFormat(choices.mode)) settings.strPixelFormat = format->pszName;
    settings.reduction = choices.reduction;
    DeviceOutputChoices& output = settings.output;
    if (choices.pszTarget != nullptr) output.strTarget = choices.pszTarget;
    if (choices.bytes.packing) output.strPack = PackWord(*choices.bytes.packing);
    if (choices.bytes.bitOrder) output.strBitOrder = BitOrderWord(*choices.bytes.bitOrder);
    if (choices.bytes.byteOrder) output.strByteOrder = ByteOrderWord(*choices.bytes.byteOrder);
    if (choices.bytes.paletteFormat) output.strPaletteFormat = PaletteFormatWord(*choices.bytes.paletteFormat);
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
    // A word this build does not know leaves its option at the default.
    if (!output.strPack.empty()) SetBytesOption(choices.bytes, "--pack", output.strPack);
    if (!output.strBitOrder.empty()) SetBytesOption(choices.bytes, "--bit-order", output.strBitOrder);
    if (!output.strByteOrder.empty()) SetBytesOption(choices.bytes, "--byte-order", output.strByteOrder);
    if (!output.strPaletteFormat.empty()) SetBytesOption(choices.bytes, "--palette-format", output.strPaletteFormat);
    choices.arrayName = output.strArrayName.empty() ? MakeExportName(doc.GetTitle()) : output.strArrayName;
    choices.bHeader = output.bHeader;
    choices.bBinary = output.strFormat == FindOutputFormat(ExportFormat::Bin).pszName;
    choices.geometry = settings.geometry;
    return choices;
}
