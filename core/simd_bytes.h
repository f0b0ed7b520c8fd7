// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>

// Sixteen bytes handled at once. GCC and Clang both compile these vector
// types to the machine's SIMD registers, or to plain code where it has none.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

inline Bytes16 LoadBytes16(const std::uint8_t* p)
{
    Bytes16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void StoreBytes16(void* p, Bytes16 v)
{
    std::memcpy(p, &v, sizeof v);
}
