// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_fault.h"

#include <cstdint>
#include <span>
#include <string>

class PictureRows;

// Each decoder reads a whole file held in memory into the rows, or says
// why not. The size is handed to the rows from the header, before the
// pixels are decoded; a decoder's own diagnostics are never printed.
PictureFault DecodePng(std::span<const std::uint8_t> file, PictureRows& rows);
PictureFault DecodeJpeg(std::span<const std::uint8_t> file, PictureRows& rows);
PictureFault DecodeGif(std::span<const std::uint8_t> file, PictureRows& rows);
PictureFault DecodeTga(std::span<const std::uint8_t> file, PictureRows& rows);

// Animations, composited by their format's rules: every frame goes to the
// rows that want every frame, the first to others.
bool IsAnimatedPng(std::span<const std::uint8_t> file);
PictureFault DecodeApng(std::span<const std::uint8_t> file, PictureRows& rows);
bool IsAnimatedWebp(std::span<const std::uint8_t> file);
PictureFault DecodeWebpAnimation(std::span<const std::uint8_t> file, PictureRows& rows);

// The long tail (WebP, TIFF, SVG, ICO, PNM, XBM, XPM …) through Qt's image
// readers; formatHint is the file's extension, lower case, no dot.
PictureFault DecodeWithQt(std::span<const std::uint8_t> file, const std::string& formatHint, PictureRows& rows);
