// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive.h"

#include <bit>
#include <cstring>

namespace {

template <typename T>
T ToLittleEndian(T value)
{
    if constexpr (std::endian::native == std::endian::little) {
        return value;
    } else {
        T result = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) result = static_cast<T>((result << 8) | ((value >> (8 * i)) & 0xFF));
        return result;
    }
}

} // namespace

void CArchive::WriteBytes(const void* pData, std::size_t nSize)
{
    if (m_bFailed) return;
    if (std::fwrite(pData, 1, nSize, m_file) != nSize) m_bFailed = true;
}

void CArchive::ReadBytes(void* pData, std::size_t nSize)
{
    if (!m_bFailed && std::fread(pData, 1, nSize, m_file) == nSize) return;
    m_bFailed = true;
    std::memset(pData, 0, nSize);
}

CArchive& CArchive::operator<<(std::int32_t value)
{
    return *this << static_cast<std::uint32_t>(value);
}

CArchive& CArchive::operator<<(std::uint32_t value)
{
    value = ToLittleEndian(value);
    WriteBytes(&value, sizeof value);
    return *this;
}

CArchive& CArchive::operator<<(std::uint16_t value)
{
    value = ToLittleEndian(value);
    WriteBytes(&value, sizeof value);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value)
{
    std::uint32_t raw = 0;
    *this >> raw;
    value = static_cast<std::int32_t>(raw);
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value)
{
    ReadBytes(&value, sizeof value);
    value = ToLittleEndian(value);
    return *this;
}

CArchive& CArchive::operator>>(std::uint16_t& value)
{
    ReadBytes(&value, sizeof value);
    value = ToLittleEndian(value);
    return *this;
}

void CArchive::Write(const std::uint32_t* pValues, std::size_t nCount)
{
    if constexpr (std::endian::native == std::endian::little) {
        WriteBytes(pValues, nCount * sizeof *pValues);
    } else {
        for (std::size_t i = 0; i < nCount; ++i) *this << pValues[i];
    }
}

void CArchive::Read(std::uint32_t* pValues, std::size_t nCount)
{
    if constexpr (std::endian::native == std::endian::little) {
        ReadBytes(pValues, nCount * sizeof *pValues);
    } else {
        for (std::size_t i = 0; i < nCount; ++i) *this >> pValues[i];
    }
}

void CArchive::Write(std::span<const std::uint8_t> bytes)
{
    WriteBytes(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> CArchive::ReadRest(std::size_t nLimit)
{
    std::vector<std::uint8_t> bytes(m_bFailed ? 0 : nLimit + 1);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), m_file));
    if (std::ferror(m_file) != 0) m_bFailed = true;
    return bytes;
}

bool CArchive::Flush()
{
    if (!m_bFailed && std::fflush(m_file) != 0) m_bFailed = true;
    return !m_bFailed;
}
