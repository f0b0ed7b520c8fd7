#pragma once

#include "core/file_transaction.h"

#include <cstdio>
#include <functional>
#include <string>

// True when a file may be written: a path that does not exist, or any path
// with --force. Tells why not on standard error.
bool CheckOutputFree(const std::string& path, bool bForce);

// Writes one file of a run through write into the run's transaction, where
// it waits until the run lands. Tells a failure on standard error.
bool WriteOutputFile(CFileTransaction& files, const std::string& path, const std::function<bool(std::FILE*)>& write);

// The same, but "-" is standard output, written at once.
bool WriteOutput(CFileTransaction& files, const std::string& path, const std::function<bool(std::FILE*)>& write);

// Moves every file of the run into place; tells a failure on standard error.
bool LandOutputFiles(CFileTransaction& files);
