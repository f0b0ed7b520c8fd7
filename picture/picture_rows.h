// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_fault.h"
#include "picture/picture_frames.h"
#include "picture/picture_reader.h"
#include "picture/srgb_conversion.h"

#include <cstdint>
#include <memory>
#include <vector>

// Where a decoder puts the rows it decodes: they are converted to sRGB,
// turned to the stored orientation and either flattened onto the
// background, each sample rounded once (the first frame only), into the
// working bitmap as BGR or into a picture as RGB, or kept as RGBA frames
// (every frame).
class PictureRows {
public:
    enum class Layout { Rgb8, Rgba8, Rgba16 };   // 16-bit samples in host order

    PictureRows(CDibImage& image, BackgroundColor background, const PictureLimits& limits)
        : m_pImage(&image), m_background(background), m_limits(limits)
    {
    }
    PictureRows(RgbImage& picture, BackgroundColor background, const PictureLimits& limits)
        : m_pPicture(&picture), m_background(background), m_limits(limits)
    {
    }
    // Keeps RGBA frames: every frame of an animation, or only the picture
    // the still import takes (an APNG's image, the first frame of the others).
    enum class Frames { Every, FirstPicture };
    PictureRows(PictureFrames& frames, Frames which, const PictureLimits& limits)
        : m_pFrames(&frames), m_bEveryFrame(which == Frames::Every), m_limits(limits)
    {
    }

    // Whether the decoder is to hand over every frame of an animation, not
    // only the first.
    bool WantsEveryFrame() const { return m_bEveryFrame; }

    // The largest picture Begin takes.
    const PictureLimits& Limits() const { return m_limits; }

    // Takes the picture's size as stored, its EXIF orientation (1 to 8) and
    // its colour label: refuses a size past the limits before anything is
    // allocated, then makes the working bitmap, the picture or the frame.
    PictureFault Begin(int nWidth, int nHeight, int nOrientation, const ColourLabel& label);

    // Refuses an animation of nFrames frames whose frames would pass
    // kFramesMemoryLimit; after Begin.
    PictureFault CheckFrameCount(std::int64_t nFrames) const;

    // Row y of the picture as stored, y = 0 at the top, nWidth pixels.
    void Put(int y, const void* pRow, Layout layout);

    // Where the decoder may write row y itself as BGR bytes, or null when
    // the row must go through Put (a conversion or a turn is due, or frames
    // are kept).
    std::uint8_t* DirectBgrRow(int y);

    // Ends the picture, or the frame that shows for nDelayMs.
    void Finish(int nDelayMs = 0);

private:
    // The row in sRGB: pRow itself, or widened and converted.
    const void* Converted(const void* pRow, Layout& layout);
    template <bool kRgbOrder>
    void Flatten(const void* pRow, Layout layout, std::uint8_t* pOut);
    void Straighten(const void* pRow, Layout layout, std::uint8_t* pRgba);
    std::uint8_t* Target();

    CDibImage* m_pImage = nullptr;
    RgbImage* m_pPicture = nullptr;
    BackgroundColor m_background;
    PictureFrames* m_pFrames = nullptr;
    bool m_bEveryFrame = false;
    PictureLimits m_limits;
    std::vector<std::uint8_t> m_frame;   // the frame being made
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nPixelBytes = 3;
    std::unique_ptr<SrgbConversion> m_pConversion;
    // Byte offsets in the source copy, the picture or the frame of stored pixel
    // (0, 0) and of one step right and one step down in the stored picture.
    std::int64_t m_nOrigin = 0, m_nStepX = 0, m_nStepY = 0;
    bool m_bAsStored = true;
    std::vector<std::uint8_t> m_row;
    std::vector<std::uint16_t> m_wide;
};
