// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_ptr.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FilePtr OpenRegularFile(const std::string& path)
{
    // Not blocking, so that opening a FIFO returns at once.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat info {};
    const bool bRegular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!bRegular || fcntl(fd, F_SETFL, 0) != 0) {
        const int nError = bRegular ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
        close(fd);
        errno = nError;
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) close(fd);
    return FilePtr(file);
}
