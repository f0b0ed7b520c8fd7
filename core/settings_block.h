// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/export_settings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The settings block of a version-301 document file: a 32-bit length, then
// entries of a 16-bit tag, a 32-bit length and that many bytes, little-endian.
// Only settings that differ from their defaults have an entry; a reader
// skips tags it does not know, so later settings can be added as new tags.
std::vector<std::uint8_t> SettingsBlock(const ExportSettings& settings);

// The settings a block holds, or nothing when the bytes are not exactly one
// well-formed block: a length that does not match, an entry cut short, a
// known tag twice or with a value out of its range.
std::optional<ExportSettings> ReadSettingsBlock(std::span<const std::uint8_t> bytes);

// What a document keeps of the settings: exactly what its block holds, so
// that a document shows the same before it is saved and after it is opened.
ExportSettings KeptInDocument(const ExportSettings& settings);
