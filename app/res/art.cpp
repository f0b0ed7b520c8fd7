// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/res/art.h"

#include "app/res/strings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "app/res/icons/toolbar.xpm"
#include "app/res/icons/tovix-16.xpm"
#include "app/res/icons/tovix-32.xpm"
#include "app/res/icons/tovix-document-16.xpm"
#include "app/res/icons/tovix-document-32.xpm"

namespace res {

namespace {

QIcon IconOf(const char* const* ppSmall, const char* const* ppLarge)
{
    QIcon icon;
    icon.addPixmap(QPixmap(ppSmall));
    icon.addPixmap(QPixmap(ppLarge));
    return icon;
}

// The colours of a few picture cells, as a reduced picture shows them.
const QColor kCellColours[] = {QColor(0xE0, 0x20, 0x20), QColor(0xF8, 0xC0, 0x00), QColor(0x20, 0xA0, 0x40),
                               QColor(0x00, 0x80, 0xC0), QColor(0x60, 0x20, 0xA0), QColor(0xF8, 0xF8, 0xF8)};

} // namespace

QIcon MainIcon()
{
    return IconOf(tovix_16_xpm, tovix_32_xpm);
}

QIcon DocumentIcon()
{
    return IconOf(tovix_document_16_xpm, tovix_document_32_xpm);
}

QPixmap ToolbarImage(int nIndex)
{
    static const QPixmap strip(toolbar_xpm);
    return strip.copy(nIndex * kToolbarImageSize.width(), 0, kToolbarImageSize.width(), kToolbarImageSize.height());
}

QPixmap SplashPicture()
{
    QPixmap picture(kSplashSize);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, kSplashSize.height());
    sky.setColorAt(0, QColor(0x10, 0x20, 0x50));
    sky.setColorAt(1, QColor(0x30, 0x60, 0x90));
    painter.fillRect(picture.rect(), sky);

    // A picture dissolving into ever coarser cells: what the program does to pictures.
    constexpr int kCell = 12;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 16; ++x) {
            const int nSize = kCell - (x * 8) / 16;
            painter.fillRect(300 + x * kCell, 40 + y * kCell, nSize, nSize,
                             kCellColours[(x * 7 + y * 3 + (x * y) % 5) % std::size(kCellColours)]);
        }

    painter.setPen(Qt::white);
    QFont title(QStringLiteral("Sans"), 48, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(30, 60, 260, 80), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(str::kAppTitle));
    QFont text(QStringLiteral("Sans"), 12);
    painter.setFont(text);
    painter.drawText(QRect(34, 150, 260, 30), Qt::AlignLeft, QString::fromUtf8(str::kAboutVersion));
    painter.drawText(QRect(34, 180, 260, 60), Qt::AlignLeft | Qt::TextWordWrap, QString::fromUtf8(str::kAboutSecondLine));
    painter.setPen(QColor(0xA0, 0xC0, 0xE0));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

} // namespace res
