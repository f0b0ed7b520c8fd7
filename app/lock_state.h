// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The keyboard's locks, one bit each.
namespace lock {
inline constexpr unsigned kKana = 1u << 0;
inline constexpr unsigned kCaps = 1u << 1;
inline constexpr unsigned kNum = 1u << 2;
inline constexpr unsigned kScroll = 1u << 3;
} // namespace lock

// Which locks are on, as the keyboard's indicators show them; nothing where
// the platform gives no such state (Wayland, offscreen).
std::optional<unsigned> ReadLockState();
