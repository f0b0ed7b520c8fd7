// SPDX-License-Identifier: GPL-3.0-or-later
#include "testkit/doc_builder.h"

#include "core/file_ptr.h"

#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

namespace testing_support {

std::unique_ptr<CTOVIXDoc> MakeDocument(int nWidth, int nHeight, ColorMode mode,
                                        const std::function<std::uint32_t(int)>& pixel, const std::string& title)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    doc->m_nWidth = nWidth;
    doc->m_nHeight = nHeight;
    for (int i = 0; i < nWidth * nHeight; ++i) doc->PixelArray[i] = pixel(i);
    if (!doc->CopyPixelsToBitmap()) throw std::runtime_error("out of memory");
    doc->m_bLoaded = 1;
    doc->m_nColorMode = mode;
    doc->SetTitle(title);
    return doc;
}

std::string ExportText(const CTOVIXDoc& doc, bool bFormat1, const std::string& name)
{
    return ExportText(doc, bFormat1 ? ExportFormat::Format1 : ExportFormat::Format2, name);
}

std::string ExportText(const CTOVIXDoc& doc, ExportFormat format, const std::string& name,
                       const LayoutOptions& bytesOptions)
{
    return ExportText(doc.Captured(), format, name, bytesOptions);
}

std::string ExportText(const CapturedPicture& picture, ExportFormat format, const std::string& name,
                       const LayoutOptions& bytesOptions)
{
    char* buffer = nullptr;
    std::size_t nSize = 0;
    FilePtr file(open_memstream(&buffer, &nSize));
    if (!file) throw std::runtime_error("open_memstream failed");
    const bool bWritten = WriteExportFile(file.get(), FindOutputFormat(format), {picture, name, bytesOptions});
    file.reset();
    std::string text(buffer, nSize);
    std::free(buffer);
    if (!bWritten) throw std::runtime_error("export to memory failed");
    return text;
}

std::string FromCodePage932(const std::string& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    std::string out(bytes.size() * 3 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t nIn = bytes.size();
    char* pOut = out.data();
    std::size_t nOut = out.size();
    const std::size_t rc = iconv(cd, &in, &nIn, &pOut, &nOut);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not code page 932");
    out.resize(out.size() - nOut);
    return out;
}

LayoutOptions EveryKeptLayoutOption()
{
    LayoutOptions options;
    options.rgbOrder = RgbOrder::Bgr;
    options.byteOrder = ByteOrder::Big;
    options.packing = MonoPacking::Pages;
    options.bitOrder = BitOrder::Lsb;
    options.paletteFormat = PaletteFormat::Rgb565;
    options.bInvert = true;
    return options;
}

} // namespace testing_support
