// SPDX-License-Identifier: GPL-3.0-or-later
// APNG: the animation chunks (acTL, fcTL, fdAT) that the PNG decoder skips.
// Each frame's data goes to the PNG decoder as a PNG of its own, made of
// the file's header with the frame's size, its palette and transparency,
// and the frame's data as IDAT.
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"
#include "picture/png_context.h"

#include <zlib.h>

#include <cstring>
#include <optional>
#include <vector>

namespace {

std::uint32_t Big32(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

constexpr std::uint32_t ChunkType(const char (&name)[5])
{
    return (std::uint32_t(name[0]) << 24) | (std::uint32_t(name[1]) << 16) | (std::uint32_t(name[2]) << 8) | std::uint32_t(name[3]);
}

constexpr std::uint32_t kPlte = ChunkType("PLTE"), kTrns = ChunkType("tRNS"),
                        kIdat = ChunkType("IDAT"), kIend = ChunkType("IEND"), kActl = ChunkType("acTL"),
                        kFctl = ChunkType("fcTL"), kFdat = ChunkType("fdAT");

struct Chunk {
    std::uint32_t nType;
    std::span<const std::uint8_t> data;
    std::span<const std::uint8_t> whole;   // length, type, data and CRC
};

// Every chunk up to IEND, each CRC checked.
PictureFault ReadChunks(std::span<const std::uint8_t> file, std::vector<Chunk>& chunks)
{
    for (std::size_t nAt = 8;;) {
        if (file.size() - nAt < 12) return PictureFault::Truncated;
        const std::uint32_t nLength = Big32(&file[nAt]);
        if (nLength > 0x7FFFFFFF) return PictureFault::Corrupt;
        if (file.size() - nAt - 12 < nLength) return PictureFault::Truncated;
        const std::uint8_t* pType = &file[nAt + 4];
        if (crc32(0, pType, 4 + nLength) != Big32(pType + 4 + nLength)) return PictureFault::Corrupt;
        chunks.push_back({Big32(pType), {pType + 4, nLength}, {&file[nAt], nLength + 12}});
        nAt += 12 + std::size_t{nLength};
        if (chunks.back().nType == kIend) return PictureFault::None;
    }
}

enum Dispose : std::uint8_t { kDisposeNone, kDisposeBackground, kDisposePrevious };
enum Blend : std::uint8_t { kBlendSource, kBlendOver };

struct Frame {
    std::uint32_t nWidth, nHeight, nLeft, nTop;
    int nDelayMs;
    std::uint8_t nDispose, nBlend;
    bool bDefaultImage = false;      // its pixels are the file's IDAT image
    std::vector<std::uint8_t> data;  // its fdAT data, sequence numbers taken off
};

struct Animation {
    std::vector<Frame> frames;
    std::vector<std::uint8_t> pixelChunks;   // PLTE and tRNS, as in the file, for every frame's PNG
};

PictureFault ReadFrameControl(const std::uint8_t* p, std::uint32_t nCanvasWidth, std::uint32_t nCanvasHeight, Frame& frame)
{
    frame.nWidth = Big32(p + 4);
    frame.nHeight = Big32(p + 8);
    frame.nLeft = Big32(p + 12);
    frame.nTop = Big32(p + 16);
    frame.nDispose = p[24];
    frame.nBlend = p[25];
    // The delay is a fraction of a second; a denominator of 0 means hundredths.
    const std::uint32_t nNumerator = (p[20] << 8) | p[21];
    const std::uint32_t nDenominator = ((p[22] << 8) | p[23]) ? ((p[22] << 8) | p[23]) : 100;
    frame.nDelayMs = static_cast<int>((nNumerator * 1000 + nDenominator / 2) / nDenominator);
    if (frame.nWidth == 0 || frame.nHeight == 0 || frame.nLeft > nCanvasWidth || frame.nWidth > nCanvasWidth - frame.nLeft ||
        frame.nTop > nCanvasHeight || frame.nHeight > nCanvasHeight - frame.nTop || frame.nDispose > kDisposePrevious ||
        frame.nBlend > kBlendOver)
        return PictureFault::Corrupt;
    return PictureFault::None;
}

// The frames as the chunks lay them out, with fcTL and fdAT in one unbroken
// sequence from 0, and as many as acTL announces.
PictureFault ReadAnimation(const std::vector<Chunk>& chunks, std::uint32_t nWidth, std::uint32_t nHeight, Animation& animation)
{
    std::uint32_t nSequence = 0;
    std::optional<std::uint32_t> nAnnounced;
    bool bAfterIdat = false;
    for (const Chunk& chunk : chunks) {
        const std::uint8_t* p = chunk.data.data();
        const std::size_t nSize = chunk.data.size();
        std::vector<Frame>& frames = animation.frames;
        if (chunk.nType == kActl) {
            if (nSize != 8 || bAfterIdat || nAnnounced) return PictureFault::Corrupt;
            nAnnounced = Big32(p);
        } else if ((chunk.nType == kPlte || chunk.nType == kTrns) && !bAfterIdat) {
            animation.pixelChunks.insert(animation.pixelChunks.end(), chunk.whole.begin(), chunk.whole.end());
        } else if (chunk.nType == kIdat) {
            if (!bAfterIdat && !frames.empty()) frames.back().bDefaultImage = true;
            bAfterIdat = true;
        } else if (chunk.nType == kFctl) {
            // Only the first frame's control may come before the image.
            if (nSize != 26 || Big32(p) != nSequence++ || (!bAfterIdat && !frames.empty())) return PictureFault::Corrupt;
            frames.emplace_back();
            if (const PictureFault fault = ReadFrameControl(p, nWidth, nHeight, frames.back()); fault != PictureFault::None)
                return fault;
        } else if (chunk.nType == kFdat) {
            if (nSize < 4 || Big32(p) != nSequence++ || !bAfterIdat || frames.empty() || frames.back().bDefaultImage)
                return PictureFault::Corrupt;
            frames.back().data.insert(frames.back().data.end(), p + 4, p + nSize);
        }
    }
    const std::vector<Frame>& frames = animation.frames;
    if (frames.empty() || frames.size() != nAnnounced) return PictureFault::Corrupt;
    for (const Frame& frame : frames)
        if (!frame.bDefaultImage && frame.data.empty()) return PictureFault::Corrupt;
    const Frame& first = frames.front();
    if (first.bDefaultImage && (first.nLeft != 0 || first.nTop != 0 || first.nWidth != nWidth || first.nHeight != nHeight))
        return PictureFault::Corrupt;
    return PictureFault::None;
}

// A whole PNG stream's pixels as RGBA at 16 bits.
PictureFault DecodeRgba16(std::span<const std::uint8_t> png, std::vector<std::uint16_t>& rgba)
{
    const PngContext owner = NewPngContext(png);
    if (!owner) return PictureFault::CannotOpen;
    std::size_t nSize = 0;
    if (const int nError = spng_decoded_image_size(owner.get(), SPNG_FMT_RGBA16, &nSize)) return PngFault(nError);
    rgba.resize(nSize / 2);
    if (const int nError = spng_decode_image(owner.get(), rgba.data(), nSize, SPNG_FMT_RGBA16, SPNG_DECODE_TRNS))
        return PngFault(nError);
    return PictureFault::None;
}

void AppendChunk(std::vector<std::uint8_t>& png, const char (&type)[5], std::span<const std::uint8_t> data)
{
    const std::uint32_t nLength = static_cast<std::uint32_t>(data.size());
    const std::uint8_t length[4] = {std::uint8_t(nLength >> 24), std::uint8_t(nLength >> 16), std::uint8_t(nLength >> 8), std::uint8_t(nLength)};
    png.insert(png.end(), length, length + 4);
    const std::size_t nTypeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    const std::uint32_t nCrc = static_cast<std::uint32_t>(crc32(0, &png[nTypeAt], static_cast<uInt>(4 + data.size())));
    const std::uint8_t crc[4] = {std::uint8_t(nCrc >> 24), std::uint8_t(nCrc >> 16), std::uint8_t(nCrc >> 8), std::uint8_t(nCrc)};
    png.insert(png.end(), crc, crc + 4);
}

PictureFault DecodeFrame(std::span<const std::uint8_t> ihdr, const Animation& animation, const Frame& frame,
                         std::vector<std::uint16_t>& rgba)
{
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> png(std::begin(kSignature), std::end(kSignature));
    std::uint8_t header[13];
    std::memcpy(header, ihdr.data(), sizeof header);
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<std::uint8_t>(frame.nWidth >> (24 - 8 * i));
        header[4 + i] = static_cast<std::uint8_t>(frame.nHeight >> (24 - 8 * i));
    }
    AppendChunk(png, "IHDR", header);
    png.insert(png.end(), animation.pixelChunks.begin(), animation.pixelChunks.end());
    AppendChunk(png, "IDAT", frame.data);
    AppendChunk(png, "IEND", {});
    return DecodeRgba16(png, rgba);
}

// The output buffer at 16 bits a sample, straight alpha, transparent at first.
class Canvas {
public:
    Canvas(std::uint32_t nWidth, std::uint32_t nHeight) : m_nWidth(nWidth), m_pixels(4 * std::size_t{nWidth} * nHeight) {}

    void Draw(const Frame& frame, const std::vector<std::uint16_t>& rgba)
    {
        if (frame.nDispose == kDisposePrevious) m_saved = m_pixels;
        for (std::uint32_t y = 0; y < frame.nHeight; ++y) {
            const std::uint16_t* pSource = &rgba[4 * std::size_t{y} * frame.nWidth];
            std::uint16_t* pTarget = At(frame.nLeft, frame.nTop + y);
            if (frame.nBlend == kBlendSource) {
                std::memcpy(pTarget, pSource, 8 * std::size_t{frame.nWidth});
                continue;
            }
            for (std::uint32_t x = 0; x < frame.nWidth; ++x) Over(pSource + 4 * x, pTarget + 4 * x);
        }
    }

    // What the frame asks to leave behind it. Going back from the first
    // frame finds the transparent canvas, as the format asks.
    void Dispose(const Frame& frame)
    {
        if (frame.nDispose == kDisposeNone) return;
        for (std::uint32_t y = frame.nTop; y < frame.nTop + frame.nHeight; ++y) {
            std::uint16_t* pRow = At(frame.nLeft, y);
            const std::size_t nBytes = 8 * std::size_t{frame.nWidth};
            if (frame.nDispose == kDisposeBackground) std::memset(pRow, 0, nBytes);
            else std::memcpy(pRow, &m_saved[static_cast<std::size_t>(pRow - m_pixels.data())], nBytes);
        }
    }

    const std::uint16_t* Row(std::uint32_t y) { return At(0, y); }

private:
    std::uint16_t* At(std::uint32_t x, std::uint32_t y) { return &m_pixels[4 * (std::size_t{y} * m_nWidth + x)]; }

    // Source over target, straight alpha, each result rounded once.
    static void Over(const std::uint16_t* pSource, std::uint16_t* pTarget)
    {
        const std::uint64_t nSourceAlpha = pSource[3], nTargetAlpha = pTarget[3];
        if (nSourceAlpha == 0) return;
        if (nSourceAlpha == 65535 || nTargetAlpha == 0) {
            std::memcpy(pTarget, pSource, 8);
            return;
        }
        const std::uint64_t nUnder = nTargetAlpha * (65535 - nSourceAlpha);
        const std::uint64_t nAlpha = nSourceAlpha * 65535 + nUnder;   // the result's alpha x 65535
        for (int i = 0; i < 3; ++i)
            pTarget[i] = static_cast<std::uint16_t>((pSource[i] * nSourceAlpha * 65535 + pTarget[i] * nUnder + nAlpha / 2) / nAlpha);
        pTarget[3] = static_cast<std::uint16_t>((nAlpha + 32767) / 65535);
    }

    std::uint32_t m_nWidth;
    std::vector<std::uint16_t> m_pixels;
    std::vector<std::uint16_t> m_saved;
};

} // namespace

bool IsAnimatedPng(std::span<const std::uint8_t> file)
{
    // acTL must come before the image data.
    for (std::size_t nAt = 8; nAt < file.size() && file.size() - nAt >= 12;) {
        const std::uint32_t nType = Big32(&file[nAt + 4]);
        if (nType == kActl) return true;
        if (nType == kIdat) return false;
        nAt += 12 + std::size_t{Big32(&file[nAt])};
    }
    return false;
}

PictureFault DecodeApng(std::span<const std::uint8_t> file, PictureRows& rows)
{
    std::vector<Chunk> chunks;
    if (const PictureFault fault = ReadChunks(file, chunks); fault != PictureFault::None) return fault;
    const PngContext owner = NewPngContext(file);
    if (!owner) return PictureFault::CannotOpen;
    spng_ihdr ihdr{};
    if (const int nError = spng_get_ihdr(owner.get(), &ihdr)) return PngFault(nError);
    ColourLabel label;
    int nOrientation = 1;
    if (const PictureFault fault = ReadPngLabel(owner.get(), label, nOrientation); fault != PictureFault::None) return fault;
    if (const PictureFault fault = rows.Begin(static_cast<int>(ihdr.width), static_cast<int>(ihdr.height), nOrientation, label);
        fault != PictureFault::None)
        return fault;
    Animation animation;
    if (const PictureFault fault = ReadAnimation(chunks, ihdr.width, ihdr.height, animation); fault != PictureFault::None)
        return fault;
    if (const PictureFault fault = rows.CheckFrameCount(static_cast<std::int64_t>(animation.frames.size()));
        fault != PictureFault::None)
        return fault;

    // The image is decoded whether or not it is a frame, so that a file the
    // still import refuses is refused here too.
    std::vector<std::uint16_t> pixels;
    if (const PictureFault fault = DecodeRgba16(file, pixels); fault != PictureFault::None) return fault;
    Canvas canvas(ihdr.width, ihdr.height);
    for (std::size_t i = 0; i < animation.frames.size(); ++i) {
        const Frame& frame = animation.frames[i];
        if (!frame.bDefaultImage) {
            if (const PictureFault fault = DecodeFrame(chunks.front().data, animation, frame, pixels); fault != PictureFault::None)
                return fault;
        }
        canvas.Draw(frame, pixels);
        if (i == 0 || rows.WantsEveryFrame()) {
            for (std::uint32_t y = 0; y < ihdr.height; ++y) rows.Put(static_cast<int>(y), canvas.Row(y), PictureRows::Layout::Rgba16);
            rows.Finish(frame.nDelayMs);
        }
        canvas.Dispose(frame);
    }
    return PictureFault::None;
}
