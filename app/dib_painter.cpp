// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dib_painter.h"

#include "core/dib_image.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstdint>

QSize ScaledSize(QSize picture, int nZoom)
{
    // A document file may bring any magnification: the product is taken in
    // 64 bits and kept within what a scroll range can hold.
    auto scale = [nZoom](int nSide) {
        const std::int64_t nScaled = std::int64_t{nSide} * nZoom / 100;
        return static_cast<int>(std::clamp<std::int64_t>(nScaled, 0, std::int64_t{1} << 30));
    };
    return {scale(picture.width()), scale(picture.height())};
}

namespace {

// The picture cells [first, last) that cover target cells [from, to) when
// nPicture cells are stretched over nScaled.
std::pair<int, int> SourceSpan(int nPicture, int nScaled, int nFrom, int nTo)
{
    const std::int64_t first = std::int64_t{nFrom} * nPicture / nScaled;
    const std::int64_t last = (std::int64_t{nTo} * nPicture + nScaled - 1) / nScaled;
    return {static_cast<int>(first), static_cast<int>(std::min<std::int64_t>(last, nPicture))};
}

} // namespace

QRect SourceRectFor(QSize picture, QSize scaled, const QRect& target)
{
    const QRect area = target.intersected(QRect(QPoint(0, 0), scaled));
    if (area.isEmpty() || picture.isEmpty()) return {};
    const auto [x0, x1] = SourceSpan(picture.width(), scaled.width(), area.left(), area.left() + area.width());
    const auto [y0, y1] = SourceSpan(picture.height(), scaled.height(), area.top(), area.top() + area.height());
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void DrawScaledImage(QPainter& painter, const QImage& rows, bool bBottomUp, int nZoom, const QRect& exposed)
{
    const QSize picture = rows.size();
    const QSize scaled = ScaledSize(picture, nZoom);
    const QRect source = SourceRectFor(picture, scaled, exposed);
    if (source.isEmpty()) return;

    painter.save();
    painter.setClipRect(exposed, Qt::IntersectClip);
    const double dScaleX = double(scaled.width()) / picture.width();
    const double dScaleY = double(scaled.height()) / picture.height();
    // Rows stored bottom-up are mapped upside down, which spares a flipped copy.
    painter.setTransform(bBottomUp ? QTransform(dScaleX, 0, 0, -dScaleY, 0, scaled.height())
                                   : QTransform(dScaleX, 0, 0, dScaleY, 0, 0),
                         true);
    const QRect stored = bBottomUp ? QRect(source.left(), picture.height() - source.top() - source.height(),
                                           source.width(), source.height())
                                   : source;
    painter.drawImage(QPointF(stored.topLeft()), rows, QRectF(stored));
    painter.restore();
}

void DrawDib(QPainter& painter, const CDibImage& image, int nZoom, const QRect& exposed)
{
    if (image.GetWidth() <= 0 || image.GetHeight() <= 0) return;
    // BMP pixels are B, G, R bytes, which is what Format_BGR888 reads.
    const QImage rows(image.m_pDispBits, image.GetWidth(), image.GetHeight(), static_cast<qsizetype>(image.GetStride()),
                      QImage::Format_BGR888);
    DrawScaledImage(painter, rows, true, nZoom, exposed);
}
