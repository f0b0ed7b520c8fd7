// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/export_settings.h"

#include <cstdint>
#include <span>
#include <vector>

struct KeptSetting;

// How one kept setting's entry is made from the settings and taken back.
struct SettingCodec {
    // The entry's bytes; none when the setting is at its default, so it gets no entry.
    std::vector<std::uint8_t> (*put)(const KeptSetting& row, const ExportSettings& settings);
    // Takes an entry's bytes; false when they are out of the setting's range.
    bool (*take)(const KeptSetting& row, ExportSettings& settings, std::span<const std::uint8_t> value);
    // What a block without the entry means, once every entry was taken; nothing for the default.
    void (*whenAbsent)(ExportSettings& settings) = nullptr;
};

// One setting a document keeps in its settings block.
struct KeptSetting {
    std::uint16_t nTag;     // never renumbered, never reused: files in the field carry it
    const char* pszOption;  // the long option of tovix-export that gives it
    SettingCodec codec;
};

// Every kept setting, in the order a block has them; two rows may share an
// option when it is kept under one tag or another.
std::span<const KeptSetting> KeptSettings();
