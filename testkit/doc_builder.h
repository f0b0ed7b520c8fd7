// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tovix_doc.h"
#include "export/export_format.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace testing_support {

// A document holding a picture of the given size, as if imported: pixel(i)
// gives the packed 0x00BBGGRR colour of index i (top row first).
std::unique_ptr<CTOVIXDoc> MakeDocument(int nWidth, int nHeight, ColorMode mode,
                                        const std::function<std::uint32_t(int)>& pixel,
                                        const std::string& title = "sample.tvx");

// What an export writer puts in a file for a document, as bytes.
std::string ExportText(const CTOVIXDoc& doc, bool bFormat1, const std::string& name = "sample");
std::string ExportText(const CTOVIXDoc& doc, ExportFormat format, const std::string& name,
                       const LayoutOptions& bytesOptions = {});
std::string ExportText(const CapturedPicture& picture, ExportFormat format, const std::string& name,
                       const LayoutOptions& bytesOptions = {});

// Every layout option a document keeps, each set away from its default.
LayoutOptions EveryKeptLayoutOption();

// Code page 932 bytes written as UTF-8, for readable expectations.
std::string FromCodePage932(const std::string& bytes);

} // namespace testing_support
