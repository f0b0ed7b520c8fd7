// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/output_sink.h"

#include <fcntl.h>

namespace {

constexpr std::size_t kWritebackStep = 1 << 22;

} // namespace

bool FileSink::Take(void* context, const char* bytes, std::size_t nCount)
{
    FileSink& sink = *static_cast<FileSink*>(context);
    if (std::fwrite(bytes, 1, nCount, sink.m_file) != nCount || std::fflush(sink.m_file) != 0) return false;
    sink.m_nUnsynced += nCount;
    // The file is synced once written; starting the disk on each few
    // megabytes meanwhile leaves that sync little to wait for. Files that
    // cannot be synced (pipes, terminals) refuse it, which changes nothing.
    if (sink.m_nUnsynced >= kWritebackStep) {
        sync_file_range(fileno(sink.m_file), 0, 0, SYNC_FILE_RANGE_WRITE);
        sink.m_nUnsynced = 0;
    }
    return true;
}

bool ByteCounter::Take(void* context, const char*, std::size_t nCount)
{
    static_cast<ByteCounter*>(context)->m_nCount += static_cast<std::int64_t>(nCount);
    return true;
}

bool StringSink::Take(void* context, const char* bytes, std::size_t nCount)
{
    static_cast<StringSink*>(context)->m_text.append(bytes, nCount);
    return true;
}
