// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_transaction.h"

#include <cerrno>

std::FILE* CFileTransaction::Add(const std::string& target)
{
    auto file = std::make_unique<CAtomicFile>(target);
    std::FILE* pFile = file->File();
    if (pFile != nullptr) m_files.emplace_back(target, std::move(file));
    return pFile;
}

std::optional<CFileTransaction::Failure> CFileTransaction::Commit()
{
    for (auto& [target, file] : m_files)
        if (!file->Finish()) return Failure{target, WriteOutcome::WriteFailed, errno};
    // Renames within a folder that took the files fail only in rare cases
    // (the folder changed meanwhile); the files moved before stay moved.
    for (auto& [target, file] : m_files)
        if (!file->Replace()) return Failure{target, WriteOutcome::CannotCreate, errno};
    return std::nullopt;
}
