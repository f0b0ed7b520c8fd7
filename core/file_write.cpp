// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_write.h"

#include "core/user_dialogs.h"

#include <filesystem>

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

WriteOutcome WriteWholeFile(const std::string& path, const std::function<bool(std::FILE*)>& write)
{
    CAtomicFile file(path);
    if (file.File() == nullptr) return WriteOutcome::CannotCreate;
    return write(file.File()) ? file.Commit() : WriteOutcome::WriteFailed;
}

bool ReportWriteOutcome(WriteOutcome outcome, const WriteFailureTexts& texts, UserDialogs& dialogs)
{
    const char* pszText = nullptr;
    switch (outcome) {
    case WriteOutcome::Written: return true;
    case WriteOutcome::CannotCreate: pszText = texts.pszCannotCreate; break;
    case WriteOutcome::WriteFailed: pszText = texts.pszWriteFailed; break;
    }
    if (pszText != nullptr) dialogs.ShowMessage(pszText);
    return false;
}
