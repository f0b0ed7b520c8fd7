// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_reader.h"

#include "core/file_ptr.h"
#include "core/picture_limits.h"
#include "core/rgb_image.h"
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include <sys/stat.h>

namespace {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path)
{
    const FilePtr file = OpenRegularFile(path);
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0 || info.st_size > kLargestPictureFileBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint8_t> head)
{
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

std::string LowerExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

PictureFault Decode(const std::vector<std::uint8_t>& bytes, const std::string& path, PictureRows& rows)
{
    // The content names the decoder; only TGA, which has no signature, goes by its name.
    // The still import keeps an APNG's image, which every PNG reader shows.
    if (StartsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}))
        return rows.WantsEveryFrame() && IsAnimatedPng(bytes) ? DecodeApng(bytes, rows) : DecodePng(bytes, rows);
    if (StartsWith(bytes, {0xFF, 0xD8})) return DecodeJpeg(bytes, rows);
    if (StartsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || StartsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
        return DecodeGif(bytes, rows);
    const std::string extension = LowerExtension(path);
    if (extension == "tga") return DecodeTga(bytes, rows);
    if (bytes.empty()) return PictureFault::NotPicture;
    if (IsAnimatedWebp(bytes)) return DecodeWebpAnimation(bytes, rows);
    return DecodeWithQt(bytes, extension, rows);
}

PictureFault DecodeFile(const std::string& path, PictureRows& rows)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return PictureFault::CannotOpen;
    return Decode(*bytes, path, rows);
}

void Empty(PictureFrames& frames)
{
    frames = {};
}

void Empty(CDibImage& image)
{
    image.Free();
}

void Empty(RgbImage& picture)
{
    picture = {};
}

// Decodes the file through rows made for the target, which a refused file
// leaves empty.
template <class Target, class How>
PictureFault DecodeInto(const std::string& path, Target& target, How how, const PictureLimits& limits)
{
    Empty(target);
    PictureRows rows(target, how, limits);
    const PictureFault fault = DecodeFile(path, rows);
    if (fault != PictureFault::None) Empty(target);
    return fault;
}

} // namespace

PictureFault ReadPictureFile(const std::string& path, BackgroundColor background, CDibImage& image,
                             std::vector<std::uint8_t>* pAlpha, const PictureLimits& limits)
{
    image.Free();
    // The alpha that the rows below would lay on the background is kept as
    // a frame, of the same picture the still import takes.
    if (pAlpha != nullptr) {
        PictureFrames frames;
        const PictureFault fault = DecodeInto(path, frames, PictureRows::Frames::FirstPicture, limits);
        if (fault != PictureFault::None) return fault;
        return SplitFrame(frames, 0, image, *pAlpha, limits);
    }
    return DecodeInto(path, image, background, limits);
}

PictureFault ReadPicturePixels(const std::string& path, BackgroundColor background, RgbImage& picture,
                               const PictureLimits& limits)
{
    return DecodeInto(path, picture, background, limits);
}

PictureFault ReadPicturePixelsWithAlpha(const std::string& path, RgbImage& picture, const PictureLimits& limits)
{
    picture = {};
    PictureFrames frames;
    if (const PictureFault fault = DecodeInto(path, frames, PictureRows::Frames::FirstPicture, limits); fault != PictureFault::None)
        return fault;
    const std::vector<std::uint8_t>& rgba = frames.frames.front().rgba;
    picture = RgbImage(frames.nWidth, frames.nHeight);
    picture.alpha.resize(rgba.size() / 4);
    for (std::size_t i = 0; i < picture.alpha.size(); ++i) {
        std::copy(&rgba[4 * i], &rgba[4 * i + 3], &picture.rgb[3 * i]);
        picture.alpha[i] = rgba[4 * i + 3];
    }
    return PictureFault::None;
}

PictureFault ReadPictureFrames(const std::string& path, PictureFrames& frames, const PictureLimits& limits)
{
    return DecodeInto(path, frames, PictureRows::Frames::Every, limits);
}

PictureFault FlattenFrame(const PictureFrames& frames, std::size_t nFrame, BackgroundColor background, CDibImage& image,
                          const PictureLimits& limits)
{
    PictureRows rows(image, background, limits);
    if (const PictureFault fault = rows.Begin(frames.nWidth, frames.nHeight, 1, ColourLabel{}); fault != PictureFault::None) {
        image.Free();
        return fault;
    }
    const std::vector<std::uint8_t>& rgba = frames.frames[nFrame].rgba;
    for (int y = 0; y < frames.nHeight; ++y)
        rows.Put(y, &rgba[4 * static_cast<std::size_t>(frames.nWidth) * y], PictureRows::Layout::Rgba8);
    rows.Finish();
    return PictureFault::None;
}

PictureFault SplitFrame(const PictureFrames& frames, std::size_t nFrame, CDibImage& image, std::vector<std::uint8_t>& alpha,
                        const PictureLimits& limits)
{
    PictureRows rows(image, BackgroundColor{}, limits);
    if (const PictureFault fault = rows.Begin(frames.nWidth, frames.nHeight, 1, ColourLabel{}); fault != PictureFault::None) {
        image.Free();
        return fault;
    }
    const std::size_t nWidth = static_cast<std::size_t>(frames.nWidth);
    const std::vector<std::uint8_t>& rgba = frames.frames[nFrame].rgba;
    alpha.resize(nWidth * static_cast<std::size_t>(frames.nHeight));
    std::vector<std::uint8_t> rgb(3 * nWidth);
    for (std::size_t y = 0; y < static_cast<std::size_t>(frames.nHeight); ++y) {
        for (std::size_t x = 0; x < nWidth; ++x) {
            const std::uint8_t* pPixel = &rgba[4 * (y * nWidth + x)];
            std::copy(pPixel, pPixel + 3, &rgb[3 * x]);
            alpha[y * nWidth + x] = pPixel[3];
        }
        rows.Put(static_cast<int>(y), rgb.data(), PictureRows::Layout::Rgb8);
    }
    rows.Finish();
    return PictureFault::None;
}
