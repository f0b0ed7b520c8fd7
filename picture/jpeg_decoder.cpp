// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/exif_orientation.h"
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"
#include "picture/srgb_conversion.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports through these; every error and every warning ends the
// read, since a warning means the data was cut short or damaged and the
// decoder went on with a guess. Nothing is printed.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    PictureFault fault = PictureFault::None;
};

PictureFault FaultOf(int nCode)
{
    switch (nCode) {
    case JERR_NO_SOI: return PictureFault::NotPicture;
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY:
    case JWRN_JPEG_EOF: return PictureFault::Truncated;
    case JERR_OUT_OF_MEMORY: return PictureFault::CannotOpen;
    case JERR_BAD_PRECISION:
    case JERR_NOT_COMPILED:
    case JERR_CCIR601_NOTIMPL: return PictureFault::Unsupported;
    default: return PictureFault::Corrupt;
    }
}

[[noreturn]] void Fail(j_common_ptr cinfo)
{
    auto* pTrap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    pTrap->fault = FaultOf(cinfo->err->msg_code);
    std::longjmp(pTrap->jump, 1);
}

void Message(j_common_ptr cinfo, int nLevel)
{
    // Level -1 is a warning about the data; higher levels are traces.
    // A JFIF version newer than the decoder knows is not damage.
    if (nLevel == -1 && cinfo->err->msg_code != JWRN_JFIF_MAJOR) Fail(cinfo);
}

constexpr int kExifMarker = JPEG_APP0 + 1;

int OrientationOf(j_decompress_ptr cinfo)
{
    static constexpr char kExifHeader[] = "Exif\0";   // with its terminator: "Exif", two zero bytes
    for (jpeg_saved_marker_ptr p = cinfo->marker_list; p; p = p->next) {
        if (p->marker != kExifMarker || p->data_length < 6 || std::memcmp(p->data, kExifHeader, 6) != 0) continue;
        return ExifOrientation({p->data + 6, p->data_length - 6});
    }
    return 1;
}

// Without a profile, the naive rule. Adobe's CMYK files store every sample
// inverted, which makes the product of a colour and black the RGB sample.
void CmykToRgb(const std::uint8_t* pCmyk, std::uint8_t* pRgb, int nWidth, bool bInverted)
{
    for (int x = 0; x < nWidth; ++x, pCmyk += 4, pRgb += 3) {
        const int k = bInverted ? pCmyk[3] : 255 - pCmyk[3];
        for (int i = 0; i < 3; ++i) {
            const int c = bInverted ? pCmyk[i] : 255 - pCmyk[i];
            pRgb[i] = static_cast<std::uint8_t>((c * k + 127) / 255);
        }
    }
}

// The part between setjmp and the end holds no object with a destructor,
// so that a longjmp out of the decoder skips nothing that needs cleaning up:
// the caller owns the buffers and the CMYK conversion.
PictureFault Decode(jpeg_decompress_struct& cinfo, ErrorTrap& trap, std::span<const std::uint8_t> file,
                    PictureRows& rows, ColourLabel& label, std::vector<std::uint8_t>& row,
                    std::vector<std::uint8_t>& rgb, std::unique_ptr<CmykConversion>& pCmyk)
{
    if (setjmp(trap.jump)) return trap.fault;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_save_markers(&cinfo, kExifMarker, 0xFFFF);
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF);   // ICC profile
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return PictureFault::NotPicture;

    JOCTET* pIcc = nullptr;
    unsigned int nIccSize = 0;
    if (jpeg_read_icc_profile(&cinfo, &pIcc, &nIccSize)) {
        label.icc.assign(pIcc, pIcc + nIccSize);
        std::free(pIcc);
    }
    const bool bCmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    if (bCmyk && !label.icc.empty()) {
        const PictureFault usable = CmykConversion::For(label.icc, cinfo.saw_Adobe_marker, pCmyk);
        if (usable != PictureFault::None) return usable;
        label.icc.clear(); // the rows reach the picture as sRGB
    }
    const PictureFault begun = rows.Begin(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height),
                                          OrientationOf(&cinfo), label);
    if (begun != PictureFault::None) return begun;

    cinfo.out_color_space = bCmyk ? JCS_CMYK : rows.DirectBgrRow(0) ? JCS_EXT_BGR : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int nWidth = static_cast<int>(cinfo.output_width);
    row.resize(static_cast<std::size_t>(cinfo.output_components) * cinfo.output_width);
    rgb.resize(std::size_t{3} * cinfo.output_width);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        std::uint8_t* pDirect = rows.DirectBgrRow(y);
        JSAMPROW pRow = pDirect && cinfo.out_color_space == JCS_EXT_BGR ? pDirect : row.data();
        jpeg_read_scanlines(&cinfo, &pRow, 1);
        if (pRow == pDirect) continue;
        if (pCmyk) pCmyk->Convert(row.data(), rgb.data(), nWidth);
        else if (bCmyk) CmykToRgb(row.data(), rgb.data(), nWidth, cinfo.saw_Adobe_marker);
        rows.Put(y, bCmyk ? rgb.data() : row.data(), PictureRows::Layout::Rgb8);
    }
    jpeg_finish_decompress(&cinfo);
    return PictureFault::None;
}

} // namespace

PictureFault DecodeJpeg(std::span<const std::uint8_t> file, PictureRows& rows)
{
    jpeg_decompress_struct cinfo{};
    ErrorTrap trap;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = Fail;
    trap.manager.emit_message = Message;
    ColourLabel label;
    std::vector<std::uint8_t> row, rgb;
    std::unique_ptr<CmykConversion> pCmyk;
    const PictureFault fault = Decode(cinfo, trap, file, rows, label, row, rgb, pCmyk);
    jpeg_destroy_decompress(&cinfo);
    if (fault == PictureFault::None) rows.Finish();
    return fault;
}
