// SPDX-License-Identifier: GPL-3.0-or-later
// Both export writers on pictures of any size the store holds, in any mode
// and with any thresholds a document file can carry.
#include "core/tovix_doc.h"
#include "fuzz/export_checks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

// The writers only read the document, so one serves every run.
std::unique_ptr<CTOVIXDoc> g_doc;

} // namespace

// Everything the runs keep is allocated here, so no run looks like a leak.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_doc = std::make_unique_for_overwrite<CTOVIXDoc>();
    ReserveForFullStore();
    // The first export loads the character set converter, which stays.
    g_doc->m_nColorMode = ColorMode::Full;
    g_doc->m_nWidth = g_doc->m_nHeight = 1;
    g_doc->PixelArray[0] = 0;
    CheckBothWriters(*g_doc);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CTOVIXDoc* const doc = g_doc.get();
    FuzzedDataProvider input(pData, nSize);

    constexpr std::uint16_t kModes[] = {1, 6, 8, 15, 16, 24};
    const std::uint16_t nAnyMode = input.ConsumeIntegral<std::uint16_t>();
    doc->m_nColorMode = static_cast<ColorMode>(input.ConsumeBool() ? nAnyMode : kModes[nAnyMode % 6]);
    doc->m_nThresholdR = input.ConsumeIntegral<std::int32_t>();
    doc->m_nThresholdG = input.ConsumeIntegral<std::int32_t>();
    doc->m_nThresholdB = input.ConsumeIntegral<std::int32_t>();

    // Most runs take a small picture, so that many run a second, yet with
    // sides past 255 for the long size prefix; one in 256 may take any size
    // the store holds, with sides up to the int limit. Such a run costs
    // hundreds of small ones, so fuzz.sh has libFuzzer pick inputs less often
    // the slower they run, or the big ones' offspring would fill the time.
    const bool bAnySize = input.ConsumeIntegral<std::uint8_t>() == 0xFF;
    const std::int32_t nMaxSide = bAnySize ? std::numeric_limits<std::int32_t>::max() : 300;
    const std::int32_t nMaxPixels = bAnySize ? CTOVIXDoc::kPixelCapacity : 4096;
    doc->m_nWidth = input.ConsumeIntegralInRange<std::int32_t>(0, nMaxSide);
    const std::int32_t nMaxHeight = doc->m_nWidth == 0 ? nMaxSide : std::min(nMaxSide, nMaxPixels / doc->m_nWidth);
    doc->m_nHeight = input.ConsumeIntegralInRange<std::int32_t>(0, nMaxHeight);

    // Pixels repeat the remaining bytes, three to a pixel, so they repeat
    // after as many pixels as there are bytes: one period is worked out, the
    // rest copied.
    const std::vector<std::uint8_t> colours = input.ConsumeRemainingBytes<std::uint8_t>();
    const std::int64_t nPixels = static_cast<std::int64_t>(doc->m_nWidth) * doc->m_nHeight;
    const std::int64_t nPeriod = std::min(nPixels, static_cast<std::int64_t>(std::max<std::size_t>(colours.size(), 1)));
    for (std::int64_t i = 0; i < nPeriod; ++i) {
        std::uint32_t nPacked = 0;
        for (std::size_t k = 0; k < 3 && !colours.empty(); ++k)
            nPacked |= std::uint32_t{colours[(3 * static_cast<std::size_t>(i) + k) % colours.size()]} << (8 * k);
        doc->PixelArray[i] = nPacked;
    }
    for (std::int64_t nDone = nPeriod; nDone < nPixels; nDone += std::min(nDone, nPixels - nDone))
        std::copy_n(doc->PixelArray, std::min(nDone, nPixels - nDone), doc->PixelArray + nDone);
    CheckBothWriters(*doc);
    return 0;
}
