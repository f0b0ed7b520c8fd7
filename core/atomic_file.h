// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/file_ptr.h"

#include <cstdio>
#include <string>

// How writing a file ended: whether the target now holds everything, or
// why it was left as it was.
enum class WriteOutcome {
    Written,
    CannotCreate,   // the target cannot be made or replaced here
    WriteFailed,    // a byte did not reach the disk (full disk, quota, I/O error)
};

// A file written beside its target under a short temporary name and moved
// over the target only by Commit(), so that a failed write never damages
// what was there and any name the folder accepts can be written. Without
// Commit() the temporary file is removed. A target that exists and is no
// regular file (a device, a pipe) is written directly, never replaced; a
// symbolic link is followed, so the file it names is the one replaced.
class CAtomicFile {
public:
    explicit CAtomicFile(const std::string& target);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // The open temporary file; null when the target cannot be created.
    std::FILE* File() const { return m_file.get(); }

    // Flushes, syncs and closes the file; false when any byte may be lost.
    bool Finish();

    // Moves the finished file over the target; false, with the temporary
    // file removed, when it was not finished or the target cannot be replaced.
    bool Replace();

    // Finish, then Replace.
    WriteOutcome Commit();

private:
    void Discard();

    std::string m_strTarget;
    std::string m_strTemp;
    FilePtr m_file;
    bool m_bFinished = false;
};
