#pragma once

#include "export/bytes_options.h"

#include <cstdio>
#include <string>

class CTOVIXDoc;

enum class ExportFormat {
    Format1,   // C array declarations
    Format2,   // comma list
    Bytes,     // uint8_t array for display drivers (the command-line tool only)
};

// The extension a save dialog adds to a name typed without one.
const char* DefaultExtension(ExportFormat format);

// The save dialog's filters, Qt style, the format's own first.
const char* SaveFilters(ExportFormat format);

// Writes the captured picture of the document in the format to an open file.
// The export name is UTF-8 and goes out in code page 932, or as a C
// identifier in the bytes format, which alone uses the bytes options.
// Returns false when a write failed.
bool WriteExportFile(std::FILE* file, ExportFormat format, const std::string& exportName, const CTOVIXDoc& doc,
                     const BytesOptions& bytesOptions = {});

// Writes the header that goes with a bytes-format source. Returns false when
// a write failed.
bool WriteBytesHeaderFile(std::FILE* file, const std::string& headerPath, const std::string& exportName,
                          const CTOVIXDoc& doc, const BytesOptions& bytesOptions);
