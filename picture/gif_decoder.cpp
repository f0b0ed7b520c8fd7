// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

PictureFault FaultOf(int nError)
{
    switch (nError) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_NO_SCRN_DSCR:   // what opening reports for any screen it cannot read
    case D_GIF_ERR_EOF_TOO_SOON: return PictureFault::Truncated;
    case D_GIF_ERR_NOT_GIF_FILE: return PictureFault::NotPicture;
    case D_GIF_ERR_NOT_ENOUGH_MEM: return PictureFault::CannotOpen;
    default: return PictureFault::Corrupt;
    }
}

struct Source {
    std::span<const std::uint8_t> file;
    std::size_t nAt = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* pTarget, int nWanted)
{
    auto* pSource = static_cast<Source*>(gif->UserData);
    const std::size_t nCount = std::min<std::size_t>(static_cast<std::size_t>(nWanted), pSource->file.size() - pSource->nAt);
    std::memcpy(pTarget, pSource->file.data() + pSource->nAt, nCount);
    pSource->nAt += nCount;
    return static_cast<int>(nCount);
}

struct Closer {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

// The logical screen, RGBA, transparent where no image block has drawn.
// In a looping animation each image block is a frame; otherwise image
// blocks up to one that asks for a delay make up a frame (many-coloured
// pictures are drawn that way), each disposed of as its control block says.
class Screen {
public:
    Screen(int nWidth, int nHeight) : m_nWidth(nWidth), m_pixels(4 * static_cast<std::size_t>(nWidth) * nHeight) {}

    PictureFault Draw(const GifImageDesc& block, const ColorMapObject& colours, const GraphicsControlBlock& control,
                      const std::vector<GifPixelType>& indices)
    {
        Dispose();
        m_last = block;
        m_nLastDisposal = control.DisposalMode;
        if (m_nLastDisposal == DISPOSE_PREVIOUS) m_saved = m_pixels;
        for (int y = 0; y < block.Height; ++y) {
            const GifPixelType* pIndex = &indices[static_cast<std::size_t>(y) * block.Width];
            std::uint8_t* pTarget = At(block.Left, block.Top + y);
            for (int x = 0; x < block.Width; ++x, pTarget += 4) {
                const int nIndex = pIndex[x];
                if (nIndex == control.TransparentColor) continue;
                if (nIndex >= colours.ColorCount) return PictureFault::Corrupt;
                const GifColorType& c = colours.Colors[nIndex];
                pTarget[0] = c.Red, pTarget[1] = c.Green, pTarget[2] = c.Blue, pTarget[3] = 255;
            }
        }
        return PictureFault::None;
    }

    const std::uint8_t* Row(int y) { return At(0, y); }

private:
    std::uint8_t* At(int x, int y) { return &m_pixels[4 * (static_cast<std::size_t>(y) * m_nWidth + x)]; }

    // What the block drawn before asked to leave behind it.
    void Dispose()
    {
        if (m_nLastDisposal != DISPOSE_BACKGROUND && m_nLastDisposal != DISPOSE_PREVIOUS) return;
        for (int y = m_last.Top; y < m_last.Top + m_last.Height; ++y) {
            std::uint8_t* pRow = At(m_last.Left, y);
            const std::size_t nBytes = 4 * static_cast<std::size_t>(m_last.Width);
            if (m_nLastDisposal == DISPOSE_BACKGROUND) std::memset(pRow, 0, nBytes);
            else std::memcpy(pRow, &m_saved[static_cast<std::size_t>(pRow - m_pixels.data())], nBytes);
        }
    }

    int m_nWidth;
    std::vector<std::uint8_t> m_pixels;
    std::vector<std::uint8_t> m_saved;
    GifImageDesc m_last{};
    int m_nLastDisposal = DISPOSAL_UNSPECIFIED;
};

// The rows of an image block in the order they are stored: interlaced
// ones in four passes.
std::vector<int> StoredRowOrder(const GifImageDesc& block)
{
    std::vector<int> order;
    if (!block.Interlace) {
        for (int y = 0; y < block.Height; ++y) order.push_back(y);
        return order;
    }
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int nPass = 0; nPass < 4; ++nPass)
        for (int y = kStart[nPass]; y < block.Height; y += kStep[nPass]) order.push_back(y);
    return order;
}

PictureFault ReadExtension(GifFileType* gif, GraphicsControlBlock& control, bool& bLooping)
{
    int nCode = 0;
    GifByteType* pBlock = nullptr;
    if (DGifGetExtension(gif, &nCode, &pBlock) == GIF_ERROR) return FaultOf(gif->Error);
    if (nCode == GRAPHICS_EXT_FUNC_CODE && pBlock) {
        if (DGifExtensionToGCB(pBlock[0], pBlock + 1, &control) == GIF_ERROR) return PictureFault::Corrupt;
    }
    if (nCode == APPLICATION_EXT_FUNC_CODE && pBlock && pBlock[0] == 11) {
        bLooping = bLooping || std::memcmp(pBlock + 1, "NETSCAPE2.0", 11) == 0 || std::memcmp(pBlock + 1, "ANIMEXTS1.0", 11) == 0;
    }
    while (pBlock) {
        if (DGifGetExtensionNext(gif, &pBlock) == GIF_ERROR) return FaultOf(gif->Error);
    }
    return PictureFault::None;
}

const GraphicsControlBlock kNoControl{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};

} // namespace

PictureFault DecodeGif(std::span<const std::uint8_t> file, PictureRows& rows)
{
    Source source{file};
    int nError = 0;
    std::unique_ptr<GifFileType, Closer> owner(DGifOpen(&source, ReadBytes, &nError));
    GifFileType* gif = owner.get();
    if (!gif) return FaultOf(nError);
    const ColourLabel srgb;
    if (const PictureFault fault = rows.Begin(gif->SWidth, gif->SHeight, 1, srgb); fault != PictureFault::None)
        return fault;

    Screen screen(gif->SWidth, gif->SHeight);
    GraphicsControlBlock control = kNoControl;
    bool bDrawing = true;    // false once the rows take no more frames
    bool bPending = false;   // blocks drawn since the last frame was handed over
    bool bAnyBlock = false;
    bool bLooping = false;
    int nFrames = 0;
    std::vector<GifPixelType> indices;
    auto handOver = [&](int nDelayMs) {
        if (const PictureFault fault = rows.CheckFrameCount(nFrames + 1); fault != PictureFault::None) return fault;
        for (int y = 0; y < gif->SHeight; ++y) rows.Put(y, screen.Row(y), PictureRows::Layout::Rgba8);
        rows.Finish(nDelayMs);
        ++nFrames;
        bPending = false;
        bDrawing = rows.WantsEveryFrame();
        return PictureFault::None;
    };
    // Every record up to the trailer is read, so that a file cut or damaged
    // after its first frame is refused as well.
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR) return FaultOf(gif->Error);
        if (record == TERMINATE_RECORD_TYPE) break;
        if (record == EXTENSION_RECORD_TYPE) {
            if (const PictureFault fault = ReadExtension(gif, control, bLooping); fault != PictureFault::None) return fault;
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE) return PictureFault::Corrupt;
        if (DGifGetImageDesc(gif) == GIF_ERROR) return FaultOf(gif->Error);
        const GifImageDesc block = gif->Image;
        if (block.Left < 0 || block.Top < 0 || block.Width <= 0 || block.Height <= 0 ||
            block.Left + block.Width > gif->SWidth || block.Top + block.Height > gif->SHeight)
            return PictureFault::OutsideScreen;
        const ColorMapObject* pColours = block.ColorMap ? block.ColorMap : gif->SColorMap;
        if (!pColours) return PictureFault::Corrupt;
        indices.resize(static_cast<std::size_t>(block.Width) * block.Height);
        for (const int y : StoredRowOrder(block)) {
            if (DGifGetLine(gif, &indices[static_cast<std::size_t>(y) * block.Width], block.Width) == GIF_ERROR)
                return FaultOf(gif->Error);
        }
        bAnyBlock = true;
        if (bDrawing) {
            if (const PictureFault fault = screen.Draw(block, *pColours, control, indices); fault != PictureFault::None)
                return fault;
            bPending = true;
            // The delay is in hundredths of a second.
            if (bLooping || control.DelayTime > 0) {
                if (const PictureFault fault = handOver(10 * control.DelayTime); fault != PictureFault::None) return fault;
            }
        }
        control = kNoControl;
    }
    if (!bAnyBlock) return PictureFault::Corrupt;
    if (bPending) return handOver(0);
    return PictureFault::None;
}
