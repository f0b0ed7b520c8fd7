#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// While alive, no file of this process or its children may grow past the
// given size: writes beyond it fail as on a full disk, even for root. The
// signal such a write would raise is ignored, as a full disk raises none.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t nBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    struct sigaction m_previousAction {};
};

// How many file descriptors this process has open.
int OpenDescriptorCount();

} // namespace testing_support
