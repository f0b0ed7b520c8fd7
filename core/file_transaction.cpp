// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_transaction.h"

#include <cerrno>
#include <filesystem>

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

namespace {

// The path with links and "." or ".." taken out, as far as it exists; empty
// when it cannot be told.
std::filesystem::path Resolved(const std::string& path)
{
    std::error_code ec;
    // Made absolute first: a relative path whose first part does not exist
    // would come back unchanged.
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return {};
    std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, ec);
    return ec ? std::filesystem::path() : resolved;
}

} // namespace

bool NameSameFile(const std::string& first, const std::string& second)
{
    std::error_code ec;
    if (first == second || std::filesystem::equivalent(first, second, ec)) return true;
    const std::filesystem::path firstResolved = Resolved(first);
    return !firstResolved.empty() && firstResolved == Resolved(second);
}
