// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Appends the nBytes low bytes of a value, least significant first.
inline void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The value of nBytes bytes at nAt, least significant first.
inline std::uint32_t GetLittleEndian(std::span<const std::uint8_t> bytes, std::size_t nAt, int nBytes)
{
    std::uint32_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i) value = (value << 8) | bytes[nAt + i];
    return value;
}
