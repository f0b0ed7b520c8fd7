#pragma once

#include <string>

class CTOVIXDoc;
class TextWriter;

// FORMAT_1: a comment block, then the captured picture as one C array named
// by the export name (code page 932 bytes, written as they are).
void WriteFormat1(TextWriter& out, const std::string& exportName932, const CTOVIXDoc& doc);
