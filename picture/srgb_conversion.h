// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_fault.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// CIE xy chromaticities of a white point and three primaries, as PNG's cHRM.
struct Chromaticities {
    double whiteX, whiteY, redX, redY, greenX, greenY, blueX, blueY;
};

// What a file says about the colours its samples stand for.
struct ColourLabel {
    bool bSrgb = false;                      // PNG's sRGB chunk
    std::vector<std::uint8_t> icc;           // an embedded ICC profile
    std::optional<double> gamma;             // PNG's gAMA: sample = intensity ^ gamma
    std::optional<Chromaticities> primaries; // PNG's cHRM
};

// Turns RGBA rows of 16-bit samples into sRGB in place, alpha untouched,
// with LittleCMS at perceptual intent.
class SrgbConversion {
public:
    // Sets pConversion to the conversion the label asks for, or to null
    // when the samples are sRGB already: an sRGB chunk, a profile that maps
    // every colour to itself, gamma 1/2.2 with sRGB's primaries or none.
    static PictureFault For(const ColourLabel& label, std::unique_ptr<SrgbConversion>& pConversion);

    ~SrgbConversion();
    SrgbConversion(const SrgbConversion&) = delete;
    SrgbConversion& operator=(const SrgbConversion&) = delete;

    void Convert(std::uint16_t* pRgba, int nPixels);

private:
    SrgbConversion(void* transform, bool bGrey) : m_transform(transform), m_bGrey(bGrey) {}

    void* m_transform;                  // cmsHTRANSFORM
    bool m_bGrey;                       // the profile takes one grey channel
    std::vector<std::uint16_t> m_grey;  // grey and alpha of a row, for a grey profile
};

// Turns rows of 8-bit CMYK samples into 8-bit sRGB through the file's own
// CMYK profile, with LittleCMS at perceptual intent.
class CmykConversion {
public:
    // Sets pConversion, or says why the profile cannot be used. bInverted
    // tells that 0 stands for full ink, as in Adobe's files.
    static PictureFault For(std::span<const std::uint8_t> icc, bool bInverted,
                            std::unique_ptr<CmykConversion>& pConversion);

    ~CmykConversion();
    CmykConversion(const CmykConversion&) = delete;
    CmykConversion& operator=(const CmykConversion&) = delete;

    void Convert(const std::uint8_t* pCmyk, std::uint8_t* pRgb, int nPixels);

private:
    explicit CmykConversion(void* transform) : m_transform(transform) {}

    void* m_transform; // cmsHTRANSFORM
};
