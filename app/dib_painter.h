// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class CDibImage;
class QImage;
class QPainter;

// The size a picture covers at a magnification in percent; each side is
// side × percent / 100, truncated, and never below 0 or above 2^30.
QSize ScaledSize(QSize picture, int nZoom);

// The picture pixels, in top-down picture coordinates, that cover the target
// rectangle when the picture is stretched to the scaled size at (0, 0).
QRect SourceRectFor(QSize picture, QSize scaled, const QRect& target);

// Draws an image stretched to its scaled size with its top left at the
// painter's (0, 0), touching only what lies inside the exposed rectangle;
// bBottomUp for rows stored bottom-up, as in a BMP.
void DrawScaledImage(QPainter& painter, const QImage& rows, bool bBottomUp, int nZoom, const QRect& exposed);

// Draws the displayed copy stretched to its scaled size with its top left at
// the painter's (0, 0), touching only what lies inside the exposed
// rectangle. The pixel rows are read in place: nothing is copied or scaled
// ahead, so any magnification costs only what is exposed.
void DrawDib(QPainter& painter, const CDibImage& image, int nZoom, const QRect& exposed);
