// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "core/captured_picture.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A picture made ready for a display: turned and sized, reduced to the
// pixel format, with what it costs in flash. The export writes it and the
// preview shows it, so both come from the same values.
struct DeviceRender {
    PictureBuffer picture;               // after the geometry, in the reduction's mode; pixels only when it changed them
    std::span<const std::uint32_t> pixels;   // picture.pixels, or the source's own when the geometry does nothing
    Thresholds thresholds{128, 128, 128};
    std::vector<std::uint32_t> palette;  // a palette format's colours, packed like the pixels
    std::vector<std::uint32_t> values;   // the encoded value of every pixel, top row first
    std::optional<std::string> refusal;  // why the output format cannot write it
    std::int64_t nFlashBytes = 0;

    // The picture as the writers take it; borrows from this render and the source.
    CapturedPicture Captured() const;

    // Every pixel as the display shows it, packed 0x00BBGGRR with nOr's bits
    // set, top row first, into out, which holds as many as the picture.
    void ShownPixels(std::span<std::uint32_t> out, std::uint32_t nOr = 0) const;
};

// Runs the choices over a picture, which must outlive the render. Slow for
// large pictures: the dialog runs it off the interface thread.
DeviceRender RenderForDevice(const CapturedPicture& source, const DeviceChoices& choices);
