// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_file.h"

#include "cli/console_dialogs.h"
#include "cli/tool_language.h"
#include "core/file_write.h"

#include <cerrno>

namespace {

void ReportFailure(const CFileTransaction::Failure& failure)
{
    const std::string reason = SystemReason(failure.nError);
    const std::string cannotCreate = "cannot create the file" + reason;
    const std::string writeFailed = "cannot write the file" + reason;
    ConsoleDialogs dialogs(failure.strTarget);
    ReportWriteOutcome(failure.outcome, {cannotCreate.c_str(), writeFailed.c_str()}, dialogs);
}

} // namespace

bool CheckOutputFree(const OutputTarget& target, bool bForce)
{
    if (bForce || target.IsStandardOutput() || !FileExists(target.path)) return true;
    ReportError(target.path, "the file exists; give --force to replace it");
    return false;
}

bool WriteOutputFile(CFileTransaction& files, const std::string& path, const std::function<bool(std::FILE*)>& write)
{
    std::FILE* file = files.Add(path);
    if (file != nullptr && write(file)) return true;
    ReportFailure({path, file == nullptr ? WriteOutcome::CannotCreate : WriteOutcome::WriteFailed, errno});
    return false;
}

bool WriteOutput(CFileTransaction& files, const OutputTarget& target, const std::function<bool(std::FILE*)>& write)
{
    if (!target.IsStandardOutput()) return WriteOutputFile(files, target.path, write);
    if (write(stdout) && std::fflush(stdout) == 0) return true;
    ReportError("-", "cannot write to standard output");
    return false;
}

bool LandOutputFiles(CFileTransaction& files)
{
    const std::optional<CFileTransaction::Failure> failure = files.Commit();
    if (failure) ReportFailure(*failure);
    return !failure;
}
