// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Closes a C stream. A function object rather than std::fclose itself,
// whose address the standard library does not promise.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C stream that is closed when its owner goes out of scope.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file as std::fopen does; null when it cannot be opened.
inline FilePtr OpenFile(const std::string& path, const char* mode)
{
    return FilePtr(std::fopen(path.c_str(), mode));
}

// Opens a regular file for reading; null for anything else, with errno
// set as open() sets it, EISDIR for a directory, or 0 for another kind of
// file. A FIFO is refused before it could wait for a writer, and a device
// before it could be read without end.
FilePtr OpenRegularFile(const std::string& path);

// Closes the stream now; false when buffered bytes did not reach the file.
inline bool CloseFile(FilePtr& file)
{
    return std::fclose(file.release()) == 0;
}
