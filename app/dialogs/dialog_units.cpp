#include "dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits::DialogUnits(const QWidget& dialog)
{
    const QFontMetrics metrics(dialog.font());
    // The average width over the Latin letters, as dialog templates measure it.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_nBaseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_nBaseY = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int nWidth, int nHeight) const
{
    return {x * m_nBaseX / 4, y * m_nBaseY / 8, nWidth * m_nBaseX / 4, nHeight * m_nBaseY / 8};
}

QSize DialogUnits::Size(int nWidth, int nHeight) const
{
    return Rect(0, 0, nWidth, nHeight).size();
}
