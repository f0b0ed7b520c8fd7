// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/mode_layout.h"

#include <cstdint>
#include <string>

struct ExportJob;
class TextWriter;

// FORMAT_1: a comment block, then the picture as one C array named by the
// export name (in code page 932, written as it is).
void WriteFormat1(TextWriter& out, const ExportJob& job);

// The fixed text FORMAT_1 writes, which its reader makes again and compares:
// the comment block ("\n" line ends, code page 932) ...
std::string Format1CommentBlock(std::int64_t nMode, std::int64_t nWidth, std::int64_t nHeight);

// ... the array's element count, and the size at its start, after "= {".
std::int64_t Format1ElementCount(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight);
std::string Format1SizePrefix(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight);
