#pragma once

#include "export/bytes_options.h"

#include <string>

class CTOVIXDoc;
class TextWriter;

// The bytes format: a C source holding the captured picture as one uint8_t
// array in a display driver's layout, after a comment line that states the
// size and layout in the tool's own options and the two size macros, or an
// include of the header that holds them.
void WriteBytesSource(TextWriter& out, const std::string& identifier, const CTOVIXDoc& doc,
                      const BytesOptions& options);

// The header for such a source: include guard, size macros and the array's
// extern declaration.
void WriteBytesHeader(TextWriter& out, const std::string& identifier, const std::string& guard, const CTOVIXDoc& doc,
                      const BytesOptions& options);

// The include guard of a header file: its name as an upper-case identifier.
std::string HeaderGuard(const std::string& headerPath);
