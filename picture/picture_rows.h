// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_fault.h"
#include "picture/picture_reader.h"
#include "picture/srgb_conversion.h"

#include <cstdint>
#include <memory>
#include <vector>

// Where a decoder puts the rows it decodes: they are converted to sRGB,
// flattened onto the background, turned to the stored orientation and
// written into the working bitmap as BGR, each sample rounded once.
class PictureRows {
public:
    enum class Layout { Rgb8, Rgba8, Rgba16 };   // 16-bit samples in host order

    PictureRows(CDibImage& image, BackgroundColor background) : m_image(image), m_background(background) {}

    // Takes the picture's size as stored, its EXIF orientation (1 to 8) and
    // its colour label: refuses a size past the limits before anything is
    // allocated, then makes the working bitmap.
    PictureFault Begin(int nWidth, int nHeight, int nOrientation, const ColourLabel& label);

    // Row y of the picture as stored, y = 0 at the top, nWidth pixels.
    void Put(int y, const void* pRow, Layout layout);

    // Where the decoder may write row y itself as BGR bytes, or null when
    // the row must go through Put (a conversion or a turn is due).
    std::uint8_t* DirectBgrRow(int y);

    // Copies the finished source copy into the displayed copy.
    void Finish();

    // Before Begin: keeps each pixel's alpha in the plane (the picture as
    // shown, rows from the top, 255 where it is opaque) and its colour
    // unblended, instead of laying it on the background.
    void KeepAlpha(std::vector<std::uint8_t>& plane) { m_pAlpha = &plane; }

private:
    void Flatten(const void* pRow, Layout layout, std::uint8_t* pBgr);
    // Row y's alpha into the plane; the row as opaque, to be flattened.
    const void* TakeAlpha(int y, const void* pRow, Layout layout);

    CDibImage& m_image;
    BackgroundColor m_background;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::unique_ptr<SrgbConversion> m_pConversion;
    // Byte offsets in the source copy of stored pixel (0, 0) and of one step
    // right and one step down in the stored picture.
    std::int64_t m_nOrigin = 0, m_nStepX = 0, m_nStepY = 0;
    bool m_bAsStored = true;
    std::vector<std::uint8_t> m_bgr;
    std::vector<std::uint16_t> m_wide;
    std::vector<std::uint8_t>* m_pAlpha = nullptr;
    std::int64_t m_nAlphaOrigin = 0, m_nAlphaStepX = 0, m_nAlphaStepY = 0;   // in the plane, as above
    std::vector<std::uint16_t> m_opaque;
};
