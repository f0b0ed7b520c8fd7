// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "export/export_plan.h"

#include <cstdint>
#include <span>

// A picture made ready for a display by the export plan, with what the
// preview shows of it: every pixel's value and what it costs in flash. The
// export writes it and the preview shows it, so both come from the same values.
struct DeviceRender : PreparedExport {
    std::int64_t nFlashBytes = 0;   // when it can be written

    // Every pixel as the display shows it, packed 0x00BBGGRR with nOr's bits
    // set, top row first, into out, which holds as many as the picture.
    void ShownPixels(std::span<std::uint32_t> out, std::uint32_t nOr = 0) const;
};

// Runs the choices over a picture, whose pixels the render's Picture then
// borrows. Slow for large pictures: the dialog runs it off the interface thread.
DeviceRender RenderForDevice(const CapturedPicture& source, const DeviceChoices& choices);
