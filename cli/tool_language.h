// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// tovix-export speaks the locale's language: the program's own Japanese
// texts, exactly, where the locale names Japanese, English elsewhere.

// Whether LC_ALL, LC_MESSAGES or LANG, the first one set as gettext reads
// them, names Japanese, whether or not that locale is installed.
bool SpeaksJapanese();

// A text the core reports, in the tool's language; bPictureImport where the
// picture import reported it, which words a file no reader knows as the BMP
// import words a damaged BMP file.
std::string InToolLanguage(const std::string& text, bool bPictureImport = false);

// The system's reason for the last failure, in the tool's language where
// the C library has it, as ": REASON"; empty for errno 0.
std::string SystemReason(int nError);
