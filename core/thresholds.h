// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The three per-channel thresholds as one value, so that no call can mix up
// their order.
struct Thresholds {
    std::int32_t r;
    std::int32_t g;
    std::int32_t b;
    bool operator==(const Thresholds&) const = default;
};
