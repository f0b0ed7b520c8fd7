// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_request.h"
#include "core/file_transaction.h"

#include <cstdio>
#include <functional>
#include <string>

// Where one output goes: a file, or standard output.
struct OutputTarget {
    OutputKind kind;
    std::string path;
    bool IsStandardOutput() const { return GoesToStandardOutput(kind, path); }
};

// True when a target may be written: standard output, a path that does not
// exist, or any path with --force. Tells why not on standard error.
bool CheckOutputFree(const OutputTarget& target, bool bForce);

// Writes one file of a run through write into the run's transaction, where
// it waits until the run lands. Tells a failure on standard error.
bool WriteOutputFile(CFileTransaction& files, const std::string& path, const std::function<bool(std::FILE*)>& write);

// The same for a target, where standard output is written at once.
bool WriteOutput(CFileTransaction& files, const OutputTarget& target, const std::function<bool(std::FILE*)>& write);

// Moves every file of the run into place; tells a failure on standard error.
bool LandOutputFiles(CFileTransaction& files);
