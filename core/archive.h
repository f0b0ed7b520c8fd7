// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

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

    // Plain bytes, for the settings block of a version-301 document.
    void Write(std::span<const std::uint8_t> bytes);

    // The bytes left in the file, at most nLimit + 1 of them, so that the
    // caller can tell a rest longer than nLimit. Reaching the end is no failure.
    std::vector<std::uint8_t> ReadRest(std::size_t nLimit);

    // Pushes buffered bytes to the file; false when that fails.
    bool Flush();

private:
    void WriteBytes(const void* pData, std::size_t nSize);
    void ReadBytes(void* pData, std::size_t nSize);

    std::FILE* m_file;
    Mode m_mode;
    bool m_bFailed = false;
};
