#include "core/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a new file would get, or those of the file being replaced.
mode_t TargetMode(const std::string& target)
{
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

CAtomicFile::CAtomicFile(std::string target) : m_strTarget(std::move(target))
{
    struct stat info {};
    if (stat(m_strTarget.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        m_file = std::fopen(m_strTarget.c_str(), "wb");
        return;
    }
    std::string pattern = m_strTarget + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return;
    m_strTemp = pattern;
    fchmod(fd, TargetMode(m_strTarget));
    m_file = fdopen(fd, "wb");
    if (m_file == nullptr) {
        close(fd);
        Discard();
    }
}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

void CAtomicFile::Discard()
{
    if (m_file != nullptr) std::fclose(m_file);
    m_file = nullptr;
    if (!m_strTemp.empty()) unlink(m_strTemp.c_str());
    m_strTemp.clear();
}

bool CAtomicFile::Commit()
{
    if (m_file == nullptr) return false;
    // fsync fails on pipes and terminals, where there is nothing to sync.
    const bool bWritten = std::fflush(m_file) == 0 && (fsync(fileno(m_file)) == 0 || errno == EINVAL);
    const bool bClosed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (m_strTemp.empty()) return bWritten && bClosed;
    if (!bWritten || !bClosed || std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
        Discard();
        return false;
    }
    m_strTemp.clear();
    return true;
}
