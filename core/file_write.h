// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/atomic_file.h"

#include <cstdio>
#include <functional>
#include <string>

class UserDialogs;

// Whether something already stands at a path, readable or not: the one
// question asked before a file is replaced.
bool FileExists(const std::string& path);

// Writes one file through the safe writer: write fills the temporary file,
// which replaces the target only when everything reached the disk.
WriteOutcome WriteWholeFile(const std::string& path, const std::function<bool(std::FILE*)>& write);

// The texts a failed write is told with; null where that failure is not told.
struct WriteFailureTexts {
    const char* pszCannotCreate;
    const char* pszWriteFailed;
};

// Tells a failed write through the dialogs, the one way every writer's
// outcome becomes a message; true when the file was written.
bool ReportWriteOutcome(WriteOutcome outcome, const WriteFailureTexts& texts, UserDialogs& dialogs);
