// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/failing_output.h"

#include <filesystem>
#include <stdexcept>

namespace testing_support {

FileSizeLimit::FileSizeLimit(std::optional<rlim_t> nBytes)
{
    if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0) throw std::runtime_error("getrlimit failed");
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &m_previousAction);
    rlimit limit = m_previous;
    limit.rlim_cur = nBytes.value_or(m_previous.rlim_cur);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    sigaction(SIGXFSZ, &m_previousAction, nullptr);
}

int OpenDescriptorCount()
{
    // The iterator's own descriptor is counted too, the same every time.
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

} // namespace testing_support
