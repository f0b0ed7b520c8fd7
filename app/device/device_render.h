// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "core/captured_picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture made ready for a display: turned and sized, reduced to the
// pixel format, with what it costs in flash. The export writes it and the
// preview shows it, so both come from the same values.
struct DeviceRender {
    PictureBuffer picture;               // the pixels after the geometry, in the mode of the reduction
    Thresholds thresholds{128, 128, 128};
    std::vector<std::uint32_t> palette;  // a palette format's colours, packed like the pixels
    std::vector<std::uint32_t> values;   // the encoded value of every pixel, top row first
    std::optional<std::string> refusal;  // why the output format cannot write it
    std::int64_t nFlashBytes = 0;

    // The picture as the writers take it; borrows from this render.
    CapturedPicture Captured() const;

    // Every pixel as the display shows it: packed 0x00BBGGRR, top row first.
    std::vector<std::uint32_t> ShownPixels() const;
};

// Runs the choices over a picture. Slow for large pictures: the dialog runs it off the interface thread.
DeviceRender RenderForDevice(const CapturedPicture& source, const DeviceChoices& choices);
