#pragma once

#include <cstdio>
#include <string>

class CTOVIXDoc;

enum class ExportFormat {
    Format1,   // C array declarations
    Format2,   // comma list
};

// The extension a save dialog adds to a name typed without one.
const char* DefaultExtension(ExportFormat format);

// The save dialog's filters, Qt style, the format's own first.
const char* SaveFilters(ExportFormat format);

// Writes the captured picture of the document in the format to an open file.
// The export name is UTF-8 and goes out in code page 932. Returns false
// when a write failed.
bool WriteExportFile(std::FILE* file, ExportFormat format, const std::string& exportName, const CTOVIXDoc& doc);
