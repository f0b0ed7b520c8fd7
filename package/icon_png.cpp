// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture as a square PNG of the given size, scaled without
// smoothing, so that desktop menus get the program's own pixel-art icons in
// a format and at sizes every icon theme reader takes.
// Usage: icon_png INPUT SIZE OUTPUT
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: icon_png INPUT SIZE OUTPUT\n", stderr);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    const int nSize = std::atoi(argv[2]);
    if (picture.isNull() || nSize <= 0) {
        std::fprintf(stderr, "icon_png: cannot read %s or size %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage icon = picture.scaled(nSize, nSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "icon_png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
