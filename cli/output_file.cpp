#include "cli/output_file.h"

#include "cli/console_dialogs.h"
#include "core/atomic_file.h"

#include <filesystem>

bool CheckOutputFree(const std::string& path, bool bForce)
{
    if (path == "-" || bForce || !std::filesystem::exists(path)) return true;
    ReportError(path, "the file exists; give --force to replace it");
    return false;
}

bool WriteOutputFile(const std::string& path, const std::function<bool(std::FILE*)>& write)
{
    if (path == "-") {
        if (write(stdout)) return true;
        ReportError("-", "cannot write to standard output");
        return false;
    }
    CAtomicFile file(path);
    if (file.File() == nullptr) {
        ReportError(path, "cannot create the file");
        return false;
    }
    if (!write(file.File()) || file.Commit() != WriteOutcome::Written) {
        ReportError(path, "cannot write the file");
        return false;
    }
    return true;
}
