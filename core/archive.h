// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// A little-endian stream of 16- and 32-bit values over an open file, with no
// alignment, header or type information. A read past the end or a failed
// write marks the archive failed; later reads then give zeros and later
// writes do nothing, so a caller checks Failed() once at the end.
class CArchive {
public:
    enum class Mode { Store, Load };

    CArchive(std::FILE* file, Mode mode) : m_file(file), m_mode(mode) {}

    bool IsStoring() const { return m_mode == Mode::Store; }
    bool Failed() const { return m_bFailed; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(std::uint16_t value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(std::uint16_t& value);

    // Many 32-bit values at once, for the pixel store.
    void Write(const std::uint32_t* pValues, std::size_t nCount);
    void Read(std::uint32_t* pValues, std::size_t nCount);

    // Pushes buffered bytes to the file; false when that fails.
    bool Flush();

private:
    void WriteBytes(const void* pData, std::size_t nSize);
    void ReadBytes(void* pData, std::size_t nSize);

    std::FILE* m_file;
    Mode m_mode;
    bool m_bFailed = false;
};
