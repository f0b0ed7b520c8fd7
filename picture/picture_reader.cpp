#include "picture/picture_reader.h"

#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <filesystem>

namespace {

DibLoadResult CheckSize(QSize size)
{
    if (size.width() > CDibImage::kMaxSide) return DibLoadResult::TooWide;
    if (size.height() > CDibImage::kMaxSide) return DibLoadResult::TooHigh;
    if (size.width() <= 0 || size.height() <= 0) return DibLoadResult::NotBitmap;
    return DibLoadResult::Loaded;
}

// The size read() will give, from the header alone; invalid when the
// decoder cannot tell without decoding.
QSize HeaderSize(QImageReader& reader)
{
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) size.transpose();
    return size;
}

bool IsDeep(const QImage& picture)
{
    return picture.depth() > 32 || picture.format() == QImage::Format_Grayscale16;
}

// Grey and palette pictures are widened first: colour transforms work on RGB.
void ConvertToSrgb(QImage& picture)
{
    const QColorSpace srgb(QColorSpace::SRgb);
    if (!picture.colorSpace().isValid() || picture.colorSpace() == srgb) return;
    const bool bAlpha = picture.hasAlphaChannel();
    const QImage::Format wide = IsDeep(picture) ? (bAlpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                                                : (bAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.format() != wide) picture.convertTo(wide);
    picture.convertToColorSpace(srgb);
}

inline std::uint8_t Blend(int nColour, int nAlpha, int nBackground)
{
    return static_cast<std::uint8_t>((nColour * nAlpha + nBackground * (255 - nAlpha) + 127) / 255);
}

// Writes the picture bottom-up as B, G, R rows; partly transparent pixels
// are laid on the background.
void WriteRows(const QImage& picture, BackgroundColor background, std::uint8_t* pBits, std::int64_t nStride)
{
    const int nWidth = picture.width();
    const int nHeight = picture.height();
    for (int y = 0; y < nHeight; ++y) {
        const auto* pSource = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        std::uint8_t* pTarget = pBits + (nHeight - 1 - y) * nStride;
        for (int x = 0; x < nWidth; ++x, pTarget += 3) {
            const QRgb pixel = pSource[x];
            const int nAlpha = qAlpha(pixel);
            if (nAlpha == 255) {
                pTarget[0] = static_cast<std::uint8_t>(qBlue(pixel));
                pTarget[1] = static_cast<std::uint8_t>(qGreen(pixel));
                pTarget[2] = static_cast<std::uint8_t>(qRed(pixel));
            } else {
                pTarget[0] = Blend(qBlue(pixel), nAlpha, background.b);
                pTarget[1] = Blend(qGreen(pixel), nAlpha, background.g);
                pTarget[2] = Blend(qRed(pixel), nAlpha, background.r);
            }
        }
    }
}

} // namespace

DibLoadResult ReadPicture(const std::string& path, BackgroundColor background, CDibImage& image)
{
    image.Free();

    const QString fileName = QString::fromStdString(path);
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) return DibLoadResult::CannotOpen;

    // The extension names the decoder to try first; the content decides when
    // it is wrong or missing.
    const std::string extension = std::filesystem::path(path).extension().string();
    QImageReader reader(&file, QByteArray::fromStdString(extension.empty() ? extension : extension.substr(1)).toLower());
    reader.setAutoTransform(true);
    QImageReader::setAllocationLimit(kPictureAllocationLimitMiB);

    const QSize headerSize = HeaderSize(reader);
    if (headerSize.isValid()) {
        if (const DibLoadResult result = CheckSize(headerSize); result != DibLoadResult::Loaded) return result;
    }

    QImage picture;
    if (!reader.read(&picture)) return DibLoadResult::NotBitmap;
    if (const DibLoadResult result = CheckSize(picture.size()); result != DibLoadResult::Loaded) return result;

    ConvertToSrgb(picture);
    const QImage::Format flat = picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (picture.format() != flat) picture.convertTo(flat);
    if (picture.isNull()) return DibLoadResult::CannotOpen;

    if (!image.Create(picture.width(), picture.height())) return DibLoadResult::CannotOpen;
    WriteRows(picture, background, image.m_pSrcBits, image.GetStride());
    std::memcpy(image.m_pDispBits, image.m_pSrcBits, static_cast<std::size_t>(image.GetStride() * picture.height()));
    return DibLoadResult::Loaded;
}
