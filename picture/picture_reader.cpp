#include "picture/picture_reader.h"

#include <QColor>
#include <QColorSpace>
#include <QColorTransform>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <type_traits>
#include <filesystem>
#include <memory>

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

// Many writers label plain sRGB pixels as gamma 1/2.2 with sRGB's primaries
// (PNG gAMA 45455 with or without cHRM), which is what image tools and
// viewers take them for; converting them would shift every dark colour of
// most PNG files a little. A space that maps every primary, secondary and
// grey step to itself within half a level under that reading counts as sRGB.
bool IsLabelledSrgb(const QColorSpace& space)
{
    const QColorTransform toLabel = space.transformationToColorSpace(
        QColorSpace(QColorSpace::Primaries::SRgb, QColorSpace::TransferFunction::Gamma, 2.2f));
    for (int nLevel = 0; nLevel <= 255; nLevel += 15) {
        for (const QRgb colour : {qRgb(nLevel, 0, 0), qRgb(0, nLevel, 0), qRgb(0, 0, nLevel), qRgb(nLevel, nLevel, 0),
                                  qRgb(0, nLevel, nLevel), qRgb(nLevel, 0, nLevel), qRgb(nLevel, nLevel, nLevel)}) {
            if (toLabel.map(QColor(colour)).rgb() != colour) return false;
        }
    }
    return true;
}

// Grey and palette pictures are widened first: colour transforms work on RGB.
void ConvertToSrgb(QImage& picture)
{
    const QColorSpace srgb(QColorSpace::SRgb);
    const QColorSpace space = picture.colorSpace();
    if (!space.isValid() || space == srgb || IsLabelledSrgb(space)) return;
    const bool bAlpha = picture.hasAlphaChannel();
    const QImage::Format wide = IsDeep(picture) ? (bAlpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                                                : (bAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.format() != wide) picture.convertTo(wide);
    picture.convertToColorSpace(srgb);
}

// Colour and alpha keep all the bits the picture has until the one rounding
// to 8 bits, so a 16-bit picture is not rounded twice.
template <typename Pixel>
void WriteRows(const QImage& picture, BackgroundColor background, std::uint8_t* pBits, std::int64_t nStride)
{
    using Wide = std::uint64_t;
    constexpr Wide kMax = std::is_same_v<Pixel, QRgba64> ? 65535 : 255;
    constexpr Wide kToByte = kMax / 255;   // 257 or 1
    const Wide backgroundBgr[3] = {background.b * kToByte, background.g * kToByte, background.r * kToByte};
    const int nWidth = picture.width();
    const int nHeight = picture.height();
    for (int y = 0; y < nHeight; ++y) {
        const auto* pSource = reinterpret_cast<const Pixel*>(picture.constScanLine(y));
        std::uint8_t* pTarget = pBits + (nHeight - 1 - y) * nStride;
        for (int x = 0; x < nWidth; ++x, pTarget += 3) {
            const Pixel pixel = pSource[x];
            Wide bgr[3], alpha;
            if constexpr (std::is_same_v<Pixel, QRgba64>) {
                bgr[0] = pixel.blue(), bgr[1] = pixel.green(), bgr[2] = pixel.red(), alpha = pixel.alpha();
            } else {
                bgr[0] = qBlue(pixel), bgr[1] = qGreen(pixel), bgr[2] = qRed(pixel), alpha = Wide(qAlpha(pixel));
            }
            if (kToByte == 1 && alpha == kMax) {
                for (int i = 0; i < 3; ++i) pTarget[i] = static_cast<std::uint8_t>(bgr[i]);
                continue;
            }
            // round((c × a + b × (max − a)) / max), then to a byte
            constexpr Wide kDivisor = kMax * kToByte;
            for (int i = 0; i < 3; ++i) {
                const Wide blended = bgr[i] * alpha + backgroundBgr[i] * (kMax - alpha);
                pTarget[i] = static_cast<std::uint8_t>((blended + kDivisor / 2) / kDivisor);
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

    const QByteArray head = file.peek(18);
    // The extension names the decoder to try first; the content decides when
    // it is wrong or missing.
    const std::string extension = std::filesystem::path(path).extension().string();
    const QByteArray hint = QByteArray::fromStdString(extension.empty() ? extension : extension.substr(1)).toLower();
    auto pReader = std::make_unique<QImageReader>(&file, hint);
    if (!pReader->canRead()) {
        file.seek(0);
        pReader = std::make_unique<QImageReader>(&file);
    }
    QImageReader& reader = *pReader;
    reader.setAutoTransform(true);
    QImageReader::setAllocationLimit(kPictureAllocationLimitMiB);

    const QSize headerSize = HeaderSize(reader);
    if (headerSize.isValid()) {
        if (const DibLoadResult result = CheckSize(headerSize); result != DibLoadResult::Loaded) return result;
    }

    QImage picture;
    if (!reader.read(&picture)) return DibLoadResult::NotBitmap;
    if (const DibLoadResult result = CheckSize(picture.size()); result != DibLoadResult::Loaded) return result;
    // Qt's TGA reader lays out every file top row first; one whose descriptor
    // lacks bit 5 stores its bottom row first and would come in upside down.
    if (reader.format() == "tga" && head.size() == 18 && (head[17] & 0x20) == 0) picture.mirror(false, true);

    ConvertToSrgb(picture);
    const bool bDeep = IsDeep(picture);
    const QImage::Format flat = !picture.hasAlphaChannel() ? QImage::Format_RGB32
                                : bDeep                    ? QImage::Format_RGBA64
                                                           : QImage::Format_ARGB32;
    if (picture.format() != flat) picture.convertTo(flat);
    if (picture.isNull()) return DibLoadResult::CannotOpen;

    if (!image.Create(picture.width(), picture.height())) return DibLoadResult::CannotOpen;
    if (flat == QImage::Format_RGBA64)
        WriteRows<QRgba64>(picture, background, image.m_pSrcBits, image.GetStride());
    else
        WriteRows<QRgb>(picture, background, image.m_pSrcBits, image.GetStride());
    std::memcpy(image.m_pDispBits, image.m_pSrcBits, static_cast<std::size_t>(image.GetStride() * picture.height()));
    return DibLoadResult::Loaded;
}
