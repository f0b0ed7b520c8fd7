// SPDX-License-Identifier: GPL-3.0-or-later
// Animated WebP through libwebp's own compositing (WebPAnimDecoder): a
// still WebP stays with Qt's reader, an animation is read here, so that
// tovix-export needs no Qt for it.
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"

#include <webp/demux.h>

#include <cstring>
#include <memory>

namespace {

struct DemuxDeleter {
    void operator()(WebPDemuxer* demux) const { WebPDemuxDelete(demux); }
};

struct AnimDecoderDeleter {
    void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};

} // namespace

bool IsAnimatedWebp(std::span<const std::uint8_t> file)
{
    // RIFF, WEBP, then an extended header whose flags have the animation bit.
    return file.size() >= 30 && std::memcmp(file.data(), "RIFF", 4) == 0 && std::memcmp(&file[8], "WEBPVP8X", 8) == 0 &&
           (file[20] & ANIMATION_FLAG) != 0;
}

PictureFault DecodeWebpAnimation(std::span<const std::uint8_t> file, PictureRows& rows)
{
    const WebPData data{file.data(), file.size()};
    WebPDemuxState state = WEBP_DEMUX_PARSE_ERROR;
    const std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemuxPartial(&data, &state));
    if (state == WEBP_DEMUX_PARSE_ERROR) return PictureFault::Corrupt;
    if (!demux || state != WEBP_DEMUX_DONE) return PictureFault::Truncated;
    ColourLabel label;
    WebPChunkIterator icc{};
    if ((WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS) & ICCP_FLAG) && WebPDemuxGetChunk(demux.get(), "ICCP", 1, &icc)) {
        label.icc.assign(icc.chunk.bytes, icc.chunk.bytes + icc.chunk.size);
        WebPDemuxReleaseChunkIterator(&icc);
    }
    const int nWidth = static_cast<int>(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH));
    const int nHeight = static_cast<int>(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT));
    if (const PictureFault fault = rows.Begin(nWidth, nHeight, 1, label); fault != PictureFault::None) return fault;
    const std::uint32_t nFrames = WebPDemuxGetI(demux.get(), WEBP_FF_FRAME_COUNT);
    if (nFrames == 0) return PictureFault::Corrupt;
    if (const PictureFault fault = rows.CheckFrameCount(nFrames); fault != PictureFault::None) return fault;

    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return PictureFault::Unsupported;
    options.color_mode = MODE_RGBA;   // straight alpha, as the rows take it
    options.use_threads = 0;
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(WebPAnimDecoderNew(&data, &options));
    if (!decoder) return PictureFault::Corrupt;
    // Every frame is decoded, so that a damaged later frame refuses the
    // file; the rows take the first or all. The decoder gives each frame's
    // end time.
    int nShown = 0;
    for (std::uint32_t i = 0; WebPAnimDecoderHasMoreFrames(decoder.get()); ++i) {
        std::uint8_t* pCanvas = nullptr;
        int nEnd = 0;
        if (!WebPAnimDecoderGetNext(decoder.get(), &pCanvas, &nEnd)) return PictureFault::Corrupt;
        if (i == 0 || rows.WantsEveryFrame()) {
            for (int y = 0; y < nHeight; ++y) rows.Put(y, pCanvas + 4 * std::size_t(nWidth) * y, PictureRows::Layout::Rgba8);
            rows.Finish(nEnd - nShown);
        }
        nShown = nEnd;
    }
    return PictureFault::None;
}
