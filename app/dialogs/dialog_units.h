#pragma once

#include <QRect>

class QWidget;

// Converts dialog-template units to pixels with the dialog's own font, as
// dialog templates are laid out: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QWidget& dialog);

    QRect Rect(int x, int y, int nWidth, int nHeight) const;
    QSize Size(int nWidth, int nHeight) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};
