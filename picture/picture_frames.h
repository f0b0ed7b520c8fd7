// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_reader.h"

#include <cstdint>
#include <string>
#include <vector>

// One frame of a picture as it shows: RGBA, 8 bits a channel, straight (not
// premultiplied) alpha, top row first, converted to sRGB and turned as its
// EXIF orientation says; a pixel of alpha 0 is 0, 0, 0, 0.
struct PictureFrame {
    std::vector<std::uint8_t> rgba;   // width x height x 4 bytes
    int nDelayMs = 0;                 // how long it shows, as the file says
};

// Every frame of a picture, all of its size: one for a still picture, each
// composited frame of an animation (GIF, APNG, animated WebP) in order.
struct PictureFrames {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<PictureFrame> frames;
};

// The most bytes the frames of one picture may take together (frames x
// width x height x 4); an animation past it is refused before it is decoded
// where its header counts the frames (APNG, WebP), or at the frame that
// passes it (GIF).
inline constexpr std::int64_t kFramesMemoryLimit = std::int64_t{256} << 20;

// Reads every frame of a picture, composited by its format's rules and
// before any background is laid under it. The same files are refused as by
// ReadPictureFile, and for the same faults; a refused file leaves no frame.
PictureFault ReadPictureFrames(const std::string& path, PictureFrames& frames,
                               const PictureLimits& limits = kDocumentLimits);

// Lays frame nFrame on the background into both copies of the working
// bitmap, by the picture import's blending rule for 8-bit samples; frames
// read within larger limits than a document's want them here too.
PictureFault FlattenFrame(const PictureFrames& frames, std::size_t nFrame, BackgroundColor background, CDibImage& image,
                          const PictureLimits& limits = kDocumentLimits);

// Puts a frame's colours as they are into the image and its alpha into the
// plane (rows from the top), for the formats that keep transparency.
PictureFault SplitFrame(const PictureFrames& frames, std::size_t nFrame, CDibImage& image, std::vector<std::uint8_t>& alpha,
                        const PictureLimits& limits = kDocumentLimits);
