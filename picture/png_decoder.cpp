// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/exif_orientation.h"
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"
#include "picture/png_context.h"

#include <algorithm>
#include <memory>
#include <vector>

PictureFault PngFault(int nError)
{
    switch (nError) {
    case SPNG_IO_EOF:
    case SPNG_EOF:
    case SPNG_EIDAT_TOO_SHORT: return PictureFault::Truncated;
    case SPNG_ESIGNATURE: return PictureFault::NotPicture;
    case SPNG_EMEM: return PictureFault::CannotOpen;
    case SPNG_ECHUNK_LIMITS: return PictureFault::Unsupported;
    default: return PictureFault::Corrupt;
    }
}

namespace {

// Whether an optional chunk was there: an absent one is no fault, a broken one is.
bool Present(int nError, PictureFault& fault)
{
    if (nError != SPNG_OK && nError != SPNG_ECHUNKAVAIL && fault == PictureFault::None) fault = PngFault(nError);
    return nError == SPNG_OK;
}

} // namespace

PictureFault ReadPngLabel(spng_ctx* ctx, ColourLabel& label, int& nOrientation)
{
    PictureFault fault = PictureFault::None;
    std::uint8_t nIntent = 0;
    label.bSrgb = Present(spng_get_srgb(ctx, &nIntent), fault);
    spng_iccp iccp{};
    if (Present(spng_get_iccp(ctx, &iccp), fault))
        label.icc.assign(iccp.profile, iccp.profile + iccp.profile_len);
    std::uint32_t nGamma = 0;
    if (Present(spng_get_gama_int(ctx, &nGamma), fault)) label.gamma = nGamma / 100000.0;
    spng_chrm_int c{};
    if (Present(spng_get_chrm_int(ctx, &c), fault)) {
        label.primaries = Chromaticities{c.white_point_x / 1e5, c.white_point_y / 1e5, c.red_x / 1e5, c.red_y / 1e5,
                                         c.green_x / 1e5,       c.green_y / 1e5,       c.blue_x / 1e5, c.blue_y / 1e5};
    }
    spng_exif exif{};
    if (Present(spng_get_exif(ctx, &exif), fault))
        nOrientation = ExifOrientation({reinterpret_cast<const std::uint8_t*>(exif.data), exif.length});
    return fault;
}

PngContext NewPngContext(std::span<const std::uint8_t> file)
{
    PngContext owner(spng_ctx_new(0), spng_ctx_free);
    if (!owner) return owner;
    // Every CRC is checked, ancillary chunks' too: a flipped bit anywhere refuses the file.
    spng_set_crc_action(owner.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    constexpr std::size_t kChunkLimit = std::size_t{64} << 20;
    spng_set_chunk_limits(owner.get(), kChunkLimit, kChunkLimit);
    spng_set_png_buffer(owner.get(), file.data(), file.size());
    return owner;
}

PictureFault DecodePng(std::span<const std::uint8_t> file, PictureRows& rows)
{
    const PngContext owner = NewPngContext(file);
    spng_ctx* ctx = owner.get();
    if (!ctx) return PictureFault::CannotOpen;

    spng_ihdr ihdr{};
    if (const int nError = spng_get_ihdr(ctx, &ihdr)) return PngFault(nError);
    ColourLabel label;
    int nOrientation = 1;
    if (const PictureFault fault = ReadPngLabel(ctx, label, nOrientation); fault != PictureFault::None) return fault;

    spng_trns trns{};
    PictureFault fault = PictureFault::None;
    const bool bTransparency = ihdr.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ||
                               ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ||
                               Present(spng_get_trns(ctx, &trns), fault);
    if (fault != PictureFault::None) return fault;
    const bool bDeep = ihdr.bit_depth == 16;
    const int nFormat = bDeep ? SPNG_FMT_RGBA16 : bTransparency ? SPNG_FMT_RGBA8 : SPNG_FMT_RGB8;
    const PictureRows::Layout layout = bDeep           ? PictureRows::Layout::Rgba16
                                       : bTransparency ? PictureRows::Layout::Rgba8
                                                       : PictureRows::Layout::Rgb8;
    const int nWidth = static_cast<int>(ihdr.width);
    const int nHeight = static_cast<int>(ihdr.height);
    if (const PictureFault begun = rows.Begin(nWidth, nHeight, nOrientation, label); begun != PictureFault::None)
        return begun;

    std::size_t nImageSize = 0;
    if (const int nError = spng_decoded_image_size(ctx, nFormat, &nImageSize)) return PngFault(nError);
    const std::size_t nRowSize = nImageSize / static_cast<std::size_t>(nHeight);
    if (ihdr.interlace_method == SPNG_INTERLACE_NONE) {
        std::vector<std::uint8_t> row(nRowSize);
        if (const int nError = spng_decode_image(ctx, nullptr, 0, nFormat, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE))
            return PngFault(nError);
        int nError = SPNG_OK;
        do {
            spng_row_info info{};
            if ((nError = spng_get_row_info(ctx, &info))) return PngFault(nError);
            nError = spng_decode_row(ctx, row.data(), row.size());
            if (nError != SPNG_OK && nError != SPNG_EOI) return PngFault(nError);
            rows.Put(static_cast<int>(info.row_num), row.data(), layout);
        } while (nError != SPNG_EOI);
    } else {
        std::vector<std::uint8_t> image(nImageSize);
        if (const int nError = spng_decode_image(ctx, image.data(), image.size(), nFormat, SPNG_DECODE_TRNS))
            return PngFault(nError);
        for (int y = 0; y < nHeight; ++y) rows.Put(y, image.data() + static_cast<std::size_t>(y) * nRowSize, layout);
    }
    // The chunks after the pixels, up to IEND, are checked as well: a file
    // cut after its pixels is still cut.
    if (const int nError = spng_decode_chunks(ctx)) return PngFault(nError);
    // The decoder stops at IEND's type without reading its CRC.
    static constexpr std::uint8_t kEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    if (std::search(file.begin(), file.end(), std::begin(kEnd), std::end(kEnd)) == file.end()) return PictureFault::Truncated;
    rows.Finish();
    return PictureFault::None;
}
