// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <optional>
#include <string>
#include <sys/resource.h>

namespace testing_support {

// While alive, no file of this process or its children may grow past the
// given size: writes beyond it fail as on a full disk, even for root. The
// signal such a write would raise is ignored, as a full disk raises none.
// Without a size nothing is limited.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::optional<rlim_t> nBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    struct sigaction m_previousAction {};
};

// A place where writing fails: a path, and for a disk that fills up, the
// bytes it takes first.
struct FailingPlace {
    const char* name;
    std::string path;
    std::optional<rlim_t> nSizeLimit;
};

// How many file descriptors this process has open.
int OpenDescriptorCount();

} // namespace testing_support
