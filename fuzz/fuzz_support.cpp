// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_support.h"

#include "core/tovix_doc.h"
#include "testkit/recording_dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A regular file that lives only in memory, reachable by a path.
class MemoryFile {
public:
    MemoryFile() : m_fd(memfd_create("tovix-fuzz", 0))
    {
        Require(m_fd >= 0, "memfd_create");
        m_strPath = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void Assign(const std::uint8_t* pData, std::size_t nSize)
    {
        Require(ftruncate(m_fd, 0) == 0, "ftruncate");
        for (std::size_t nDone = 0; nDone < nSize;) {
            const ssize_t n = pwrite(m_fd, pData + nDone, nSize - nDone, static_cast<off_t>(nDone));
            Require(n > 0, "pwrite");
            nDone += static_cast<std::size_t>(n);
        }
    }

    const std::string& Path() const { return m_strPath; }

private:
    int m_fd;
    std::string m_strPath;
};

} // namespace

std::unique_ptr<CTOVIXDoc> LoadFromBytes(LoadProcedure load, const std::uint8_t* pData, std::size_t nSize)
{
    static MemoryFile file;
    file.Assign(pData, nSize);
    // No zero fill of the 8 MiB store: a loader must not depend on it.
    auto doc = std::make_unique_for_overwrite<CTOVIXDoc>();
    testing_support::RecordingDialogs dialogs;
    if (!load(*doc, file.Path(), dialogs)) return nullptr;
    return doc;
}

void FailCheck(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
