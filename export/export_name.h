#pragma once

#include <string>

// The name an export offers as file name and FORMAT_1 uses for its array:
// the document title with every "tvx" (lower case only) and then every "."
// removed.
std::string MakeExportName(const std::string& title);
