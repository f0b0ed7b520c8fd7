// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_reader.h"
#include "picture/qt_picture.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The size the header tells, the height by its magnitude: a BMP stored top
// row first tells its height as a negative number.
QSize StoredSize(QImageReader& reader)
{
    return {reader.size().width(), std::abs(reader.size().height())};
}

// The size read() will give, from the header alone; invalid when the
// reader cannot tell without decoding.
QSize HeaderSize(QImageReader& reader)
{
    QSize size = StoredSize(reader);
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) size.transpose();
    return size;
}

// A reader of the file in a buffer: the one the format names first, the one
// the content picks when that cannot read it.
std::unique_ptr<QImageReader> OpenReader(QBuffer& buffer, const QByteArray& format)
{
    auto pReader = std::make_unique<QImageReader>(&buffer, format);
    if (!pReader->canRead()) {
        buffer.seek(0);
        pReader = std::make_unique<QImageReader>(&buffer);
    }
    pReader->setAutoTransform(true);
    return pReader;
}

// The picture as the reader reads it into an image of its size and format
// filled with nFill beforehand, which the reader then writes over; a null
// image when it cannot read it.
QImage ReadOver(QImageReader& reader, int nFill)
{
    const QSize size = StoredSize(reader);
    QImage picture;
    if (!size.isEmpty() && reader.imageFormat() != QImage::Format_Invalid) {
        picture = QImage(size, reader.imageFormat());
        if (!picture.isNull()) std::memset(picture.bits(), nFill, static_cast<std::size_t>(picture.sizeInBytes()));
    }
    if (!reader.read(&picture)) return {};
    return picture;
}

} // namespace

PictureFault ReadWithQt(std::span<const std::uint8_t> file, const std::string& formatHint, const PictureLimits& limits,
                        QtPicture& result)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<qsizetype>(file.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The extension names the reader to try first; the content decides when
    // it is wrong or missing.
    const std::unique_ptr<QImageReader> pReader = OpenReader(buffer, QByteArray::fromStdString(formatHint));
    QImageReader& reader = *pReader;
    // Kinds with decoders of their own come here only with a broken
    // signature, which Qt's more forgiving readers must not salvage.
    static const QByteArrayList kOwnKinds = {"png", "jpeg", "jpg", "gif", "tga"};
    if (kOwnKinds.contains(reader.format())) return PictureFault::NotPicture;
    QImageReader::setAllocationLimit(AllocationLimitMiB(limits));
    const QSize headerSize = HeaderSize(reader);
    if (const PictureFault fault = SizeFault(limits, headerSize.width(), headerSize.height()); fault != PictureFault::None)
        return fault;

    QImage picture = ReadOver(reader, 0x00);
    if (picture.isNull()) return PictureFault::NotPicture;
    // A reader's word is checked, not trusted: the size it promised, and
    // pixels in a known layout of whole samples.
    if (headerSize.isValid() && picture.size() != headerSize) return PictureFault::Corrupt;
    if (const PictureFault fault = SizeFault(limits, picture.width(), picture.height()); fault != PictureFault::None)
        return fault;
    // Some of Qt's readers stop where a cut file ends and still say they read
    // it, leaving the rest of the picture as the memory was: read again over
    // the opposite fill, pixels no reader wrote differ.
    QBuffer again;
    again.setData(bytes);
    again.open(QIODevice::ReadOnly);
    const std::unique_ptr<QImageReader> pAgain = OpenReader(again, reader.format());
    if (ReadOver(*pAgain, 0xFF) != picture) return PictureFault::Truncated;
    result.bDeep = picture.depth() > 32 || picture.format() == QImage::Format_Grayscale16;
    const QColorSpace space = picture.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        const QByteArray icc = space.iccProfile();
        result.icc.assign(icc.begin(), icc.end());
    }
    picture.convertTo(result.bDeep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888);
    if (picture.isNull()) return PictureFault::CannotOpen;
    result.nWidth = picture.width();
    result.nHeight = picture.height();
    const std::size_t nRowBytes = static_cast<std::size_t>(result.nWidth) * (result.bDeep ? 8 : 4);
    result.pixels.resize(nRowBytes * static_cast<std::size_t>(result.nHeight));
    for (int y = 0; y < result.nHeight; ++y)
        std::memcpy(&result.pixels[nRowBytes * static_cast<std::size_t>(y)], picture.constScanLine(y), nRowBytes);
    return PictureFault::None;
}
