#pragma once

#include <cstdio>
#include <string>

// A file written beside its target under a temporary name and moved over the
// target only by Commit(), so that a failed write never damages what was
// there. Without Commit() the temporary file is removed. A target that exists
// and is no regular file (a device, a pipe) is written directly, never replaced.
class CAtomicFile {
public:
    explicit CAtomicFile(std::string target);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // The open temporary file; null when it could not be created.
    std::FILE* File() const { return m_file; }

    // Flushes, closes and renames over the target. False, with the target
    // untouched and the temporary file removed, when any step fails.
    bool Commit();

private:
    void Discard();

    std::string m_strTarget;
    std::string m_strTemp;
    std::FILE* m_file = nullptr;
};
