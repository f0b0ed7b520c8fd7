// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document file of arbitrary bytes; what opens is captured, saved
// and written by both export writers in its stored mode and thresholds.
#include "core/archive.h"
#include "core/document_file.h"
#include "core/file_ptr.h"
#include "core/tovix_doc.h"
#include "fuzz/export_checks.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Version, width, height, colour mode and three thresholds come first.
constexpr std::size_t kPixelsOffset = 26;

// The bytes Serialize stores for the document.
std::vector<std::uint8_t> StoredBytes(CTOVIXDoc& doc)
{
    char* pBuffer = nullptr;
    std::size_t nSize = 0;
    FilePtr out(open_memstream(&pBuffer, &nSize));
    Require(out != nullptr, "open_memstream");
    CArchive ar(out.get(), CArchive::Mode::Store);
    Require(doc.Serialize(ar) == SerializeResult::Ok, "an opened document saves");
    out.reset();
    std::vector<std::uint8_t> bytes(pBuffer, pBuffer + nSize);
    std::free(pBuffer);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::unique_ptr<CTOVIXDoc> doc = LoadFromBytes(&ReadDocumentFile, pData, nSize);
    if (!doc) return 0;

    // Capture rebuilds the store from the picture, which keeps 24 bits a
    // pixel: it must give back what was read, less any high byte.
    const std::size_t nPixels = static_cast<std::size_t>(doc->m_nWidth) * static_cast<std::size_t>(doc->m_nHeight);
    std::vector<std::uint32_t> opened(doc->PixelArray, doc->PixelArray + nPixels);
    for (std::uint32_t& nPixel : opened) nPixel &= 0xFFFFFF;
    Require(doc->CopyBitmapToPixels(), "an opened picture fits the store");
    Require(std::equal(opened.begin(), opened.end(), doc->PixelArray), "capture changes the opened pixels");

    // A current-version file saves back to the bytes it was read from, with
    // the pixels' high bytes cleared.
    std::int32_t nVersion = 0;
    if (nSize >= sizeof nVersion) std::memcpy(&nVersion, pData, sizeof nVersion);
    const std::vector<std::uint8_t> stored = StoredBytes(*doc);
    if (nVersion == CTOVIXDoc::kFileVersion) {
        Require(stored.size() <= nSize, "save is longer than the file");
        std::vector<std::uint8_t> expected(pData, pData + stored.size());
        for (std::size_t i = 0; i < nPixels; ++i) expected[kPixelsOffset + 4 * i + 3] = 0;
        Require(stored == expected, "save differs from the file");
    }

    CheckBothWriters(*doc);
    return 0;
}
