// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_writer.h"

#include "core/dib_image.h"

#include <spng.h>

#include <memory>
#include <vector>

bool WritePng(std::FILE* file, const CDibImage& image, std::span<const std::uint8_t> alpha)
{
    const int nWidth = image.GetWidth();
    const int nHeight = image.GetHeight();
    if (nWidth <= 0 || nHeight <= 0) return false;
    const bool bAlpha = !alpha.empty();
    const std::size_t nChannels = bAlpha ? 4 : 3;
    // The bitmap keeps its rows bottom-up as BGR, as BMP files do.
    const std::size_t nRowBytes = nChannels * static_cast<std::size_t>(nWidth);
    std::vector<std::uint8_t> rgb(nRowBytes * static_cast<std::size_t>(nHeight));
    const std::uint8_t* pAlpha = alpha.data();
    for (int y = 0; y < nHeight; ++y) {
        const std::uint8_t* pSource = image.m_pSrcBits + (nHeight - 1 - y) * image.GetStride();
        std::uint8_t* pTarget = &rgb[nRowBytes * static_cast<std::size_t>(y)];
        for (int x = 0; x < nWidth; ++x, pSource += 3, pTarget += nChannels) {
            pTarget[0] = pSource[2], pTarget[1] = pSource[1], pTarget[2] = pSource[0];
            if (bAlpha) pTarget[3] = *pAlpha++;
        }
    }
    std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    if (!ctx) return false;
    spng_ihdr ihdr{static_cast<std::uint32_t>(nWidth), static_cast<std::uint32_t>(nHeight), 8,
                   static_cast<std::uint8_t>(bAlpha ? SPNG_COLOR_TYPE_TRUECOLOR_ALPHA : SPNG_COLOR_TYPE_TRUECOLOR), 0, 0, 0};
    return spng_set_png_file(ctx.get(), file) == 0 && spng_set_ihdr(ctx.get(), &ihdr) == 0 &&
           spng_encode_image(ctx.get(), rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) == 0 &&
           std::fflush(file) == 0 && !std::ferror(file);
}
