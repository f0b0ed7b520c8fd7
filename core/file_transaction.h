// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/atomic_file.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The files of one run, landing together: each is written under a temporary
// name, and they are moved into place only when every one of them was
// written completely. A transaction dropped before Commit() removes its
// temporary files and touches no target.
class CFileTransaction {
public:
    // A new file for the target, open for writing; null when the target
    // cannot be created.
    std::FILE* Add(const std::string& target);

    struct Failure {
        std::string strTarget;
        WriteOutcome outcome;
        int nError = 0;   // the system's errno for it, 0 when unknown
    };

    // Finishes every file, then moves each over its target; the first
    // failure, if any. A write failure leaves every target untouched.
    std::optional<Failure> Commit();

private:
    std::vector<std::pair<std::string, std::unique_ptr<CAtomicFile>>> m_files;
};
