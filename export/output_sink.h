// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Where a writer's bytes go, as stb_image_write takes them: a callback and
// its context. A file is one kind, a byte counter and a string others.
struct OutputSink {
    // Keeps a block of bytes; false when they could not be kept.
    bool (*Take)(void* context, const char* bytes, std::size_t nCount);
    void* context;
};

// An open file: each block is written and flushed, and every few megabytes
// the disk is started on them.
class FileSink {
public:
    explicit FileSink(std::FILE* file) : m_file(file) {}
    OutputSink Sink() { return {Take, this}; }

private:
    static bool Take(void* context, const char* bytes, std::size_t nCount);

    std::FILE* m_file;
    std::size_t m_nUnsynced = 0;   // bytes sent since the last writeback was started
};

// Counts the bytes and keeps none: the size an export would have.
class ByteCounter {
public:
    OutputSink Sink() { return {Take, this}; }
    std::int64_t Count() const { return m_nCount; }

private:
    static bool Take(void* context, const char* bytes, std::size_t nCount);

    std::int64_t m_nCount = 0;
};

// Appends the bytes to a string.
class StringSink {
public:
    explicit StringSink(std::string& text) : m_text(text) {}
    OutputSink Sink() { return {Take, this}; }

private:
    static bool Take(void* context, const char* bytes, std::size_t nCount);

    std::string& m_text;
};
