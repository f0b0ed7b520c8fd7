// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a new file would get, or those of the file being replaced.
mode_t TargetMode(const struct stat* existing)
{
    if (existing != nullptr) return existing->st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The file a path names, with symbolic links followed; the path itself when
// it names nothing yet.
std::string ResolvedTarget(const std::string& target)
{
    char resolved[PATH_MAX];
    struct stat info {};
    if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && realpath(target.c_str(), resolved) != nullptr)
        return resolved;
    return target;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t nSlash = path.rfind('/');
    if (nSlash == std::string::npos) return ".";
    return nSlash == 0 ? "/" : path.substr(0, nSlash);
}

// Whether the folder takes a name as long as the target's own; checked
// first, so that a name it refuses costs no write.
bool NameFits(const std::string& folder, const std::string& target)
{
    const long nNameMax = pathconf(folder.c_str(), _PC_NAME_MAX);
    return nNameMax < 0 || target.size() - target.rfind('/') - 1 <= static_cast<std::size_t>(nNameMax);
}

} // namespace

CAtomicFile::CAtomicFile(const std::string& target) : m_strTarget(ResolvedTarget(target))
{
    struct stat info {};
    const bool bExists = stat(m_strTarget.c_str(), &info) == 0;
    if (bExists && !S_ISREG(info.st_mode)) {
        m_file = OpenFile(m_strTarget, "wb");
        return;
    }
    // A read-only file stays as it is, as it would for a write in place.
    if (bExists && access(m_strTarget.c_str(), W_OK) != 0) return;
    const std::string folder = FolderOf(m_strTarget);
    if (!NameFits(folder, m_strTarget)) return;
    std::string pattern = (folder == "/" ? "" : folder) + "/.tovix-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return;
    m_strTemp = pattern;
    fchmod(fd, TargetMode(bExists ? &info : nullptr));
    m_file.reset(fdopen(fd, "wb"));
    if (!m_file) {
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
    m_file.reset();
    if (!m_strTemp.empty()) unlink(m_strTemp.c_str());
    m_strTemp.clear();
}

bool CAtomicFile::Finish()
{
    if (!m_file) return false;
    // fsync fails on pipes and terminals, where there is nothing to sync.
    const bool bWritten = std::fflush(m_file.get()) == 0 && (fsync(fileno(m_file.get())) == 0 || errno == EINVAL);
    const bool bClosed = CloseFile(m_file);
    m_bFinished = bWritten && bClosed;
    if (!m_bFinished) Discard();
    return m_bFinished;
}

bool CAtomicFile::Replace()
{
    if (!m_bFinished) return false;
    if (m_strTemp.empty()) return true;
    if (std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
        Discard();
        return false;
    }
    m_strTemp.clear();
    return true;
}

WriteOutcome CAtomicFile::Commit()
{
    if (!m_file) return WriteOutcome::CannotCreate;
    if (!Finish()) return WriteOutcome::WriteFailed;
    return Replace() ? WriteOutcome::Written : WriteOutcome::CannotCreate;
}
