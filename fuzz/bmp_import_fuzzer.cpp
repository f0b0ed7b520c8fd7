// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP import on arbitrary file bytes, then every colour reduction and a
// capture of what was accepted.
#include "core/bmp_import.h"
#include "core/tovix_doc.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <memory>

namespace {

// The six modes and one value outside them, which shows the source colours.
constexpr ColorMode kModes[] = {ColorMode::Mono,   ColorMode::Colors64, ColorMode::Colors256, ColorMode::Rgb555,
                                ColorMode::Rgb565, ColorMode::Full,     static_cast<ColorMode>(7)};

// The file header's reserved bytes 6..8 play no part in loading, so the
// fuzzer may pick the thresholds there without changing what is loaded.
int ThresholdByte(const std::uint8_t* pData, std::size_t nSize, std::size_t nOffset)
{
    return nOffset < nSize ? pData[nOffset] : 128;
}

// The import as the program runs it, within a document's limits.
bool ImportWithinDocumentLimits(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    return ImportBmp(doc, path, dialogs);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::unique_ptr<CTOVIXDoc> doc = LoadFromBytes(&ImportWithinDocumentLimits, pData, nSize);
    if (!doc) return 0;

    const int nThresholdB = ThresholdByte(pData, nSize, 6);
    const int nThresholdG = ThresholdByte(pData, nSize, 7);
    const int nThresholdR = ThresholdByte(pData, nSize, 8);
    for (ColorMode mode : kModes) doc->m_image.ReduceColors(mode, {nThresholdR, nThresholdG, nThresholdB});
    doc->CopyBitmapToPixels();
    return 0;
}
