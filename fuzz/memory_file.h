#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A regular file that lives only in memory, reachable by a path, so that the
// loaders run on fuzz input exactly as they run on a file on disk.
class MemoryFile {
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the whole content; aborts when memory gives out.
    void Assign(const std::uint8_t* pData, std::size_t nSize);

    const std::string& Path() const { return m_strPath; }

private:
    int m_fd;
    std::string m_strPath;
};
