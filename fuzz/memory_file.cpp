#include "memory_file.h"

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

MemoryFile::MemoryFile() : m_fd(memfd_create("tovix-fuzz", 0))
{
    if (m_fd < 0) {
        std::perror("memfd_create");
        std::abort();
    }
    m_strPath = "/proc/self/fd/" + std::to_string(m_fd);
}

MemoryFile::~MemoryFile()
{
    close(m_fd);
}

void MemoryFile::Assign(const std::uint8_t* pData, std::size_t nSize)
{
    if (ftruncate(m_fd, 0) != 0) std::abort();
    std::size_t nDone = 0;
    while (nDone < nSize) {
        const ssize_t n = pwrite(m_fd, pData + nDone, nSize - nDone, static_cast<off_t>(nDone));
        if (n <= 0) std::abort();
        nDone += static_cast<std::size_t>(n);
    }
}
