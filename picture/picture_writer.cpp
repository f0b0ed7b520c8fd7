#include "picture/picture_writer.h"

#include "core/dib_image.h"

#include <QBuffer>
#include <QImage>

#include <cstring>

bool WritePng(std::FILE* file, const CDibImage& image)
{
    const int nWidth = image.GetWidth();
    const int nHeight = image.GetHeight();
    QImage picture(nWidth, nHeight, QImage::Format_BGR888);
    if (picture.isNull()) return false;
    // The bitmap keeps its rows bottom-up, as BMP files do.
    for (int y = 0; y < nHeight; ++y)
        std::memcpy(picture.scanLine(y), image.m_pSrcBits + (nHeight - 1 - y) * image.GetStride(), 3 * static_cast<std::size_t>(nWidth));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return false;
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), file) == static_cast<std::size_t>(bytes.size());
}
