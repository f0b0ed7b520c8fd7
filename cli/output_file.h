#pragma once

#include <cstdio>
#include <functional>
#include <string>

// True when a target may be written: "-", a path that does not exist, or
// any path with --force. Tells why not on standard error.
bool CheckOutputFree(const std::string& path, bool bForce);

// Writes one file through write, or standard output for "-"; the file
// appears only when everything was written. Tells a failure on standard
// error and returns false.
bool WriteOutputFile(const std::string& path, const std::function<bool(std::FILE*)>& write);
