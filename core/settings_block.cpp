// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_block.h"

#include "core/kept_settings.h"
#include "core/little_endian.h"

#include <algorithm>

std::vector<std::uint8_t> SettingsBlock(const ExportSettings& settings)
{
    std::vector<std::uint8_t> entries;
    for (const KeptSetting& row : KeptSettings()) {
        const std::vector<std::uint8_t> value = row.codec.put(row, settings);
        if (value.empty()) continue;
        PutLittleEndian(entries, row.nTag, 2);
        PutLittleEndian(entries, static_cast<std::uint32_t>(value.size()), 4);
        entries.insert(entries.end(), value.begin(), value.end());
    }
    std::vector<std::uint8_t> block;
    PutLittleEndian(block, static_cast<std::uint32_t>(entries.size()), 4);
    block.insert(block.end(), entries.begin(), entries.end());
    return block;
}

std::optional<ExportSettings> ReadSettingsBlock(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4 || GetLittleEndian(bytes, 0, 4) != bytes.size() - 4) return std::nullopt;
    const std::span<const KeptSetting> rows = KeptSettings();
    ExportSettings settings;
    std::vector<bool> seen(rows.size());
    for (std::size_t nAt = 4; nAt < bytes.size();) {
        if (bytes.size() - nAt < 6) return std::nullopt;
        const std::uint16_t tag = static_cast<std::uint16_t>(GetLittleEndian(bytes, nAt, 2));
        const std::uint32_t nLength = GetLittleEndian(bytes, nAt + 2, 4);
        nAt += 6;
        if (nLength > bytes.size() - nAt) return std::nullopt;
        // A tag this version does not know is a later version's setting: skipped.
        const auto row = std::ranges::find(rows, tag, &KeptSetting::nTag);
        if (row != rows.end()) {
            const std::size_t nRow = static_cast<std::size_t>(row - rows.begin());
            if (seen[nRow] || !row->codec.take(*row, settings, bytes.subspan(nAt, nLength))) return std::nullopt;
            seen[nRow] = true;
        }
        nAt += nLength;
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!seen[i] && rows[i].codec.whenAbsent != nullptr) rows[i].codec.whenAbsent(settings);
    return settings;
}

ExportSettings KeptInDocument(const ExportSettings& settings)
{
    return *ReadSettingsBlock(SettingsBlock(settings));
}
