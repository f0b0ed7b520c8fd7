#pragma once

#include <optional>
#include <string>
#include <string_view>

class CTOVIXDoc;

// Reads the text of an export (FORMAT_1, FORMAT_2 or the bytes format, with
// CR LF or LF line ends) into a freshly made document: its size, colour mode
// and a picture whose colours encode, at thresholds 128, to the values of the
// file. Returns the reason, naming the line, when the text is no such export,
// is cut short, or holds more or fewer values than its size gives.
std::optional<std::string> ReadExportText(std::string_view text, CTOVIXDoc& doc);
