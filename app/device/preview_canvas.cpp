// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/preview_canvas.h"

#include "app/dib_painter.h"

#include <QPaintEvent>
#include <QPainter>

CPreviewCanvas::CPreviewCanvas(QWidget* pParent) : QWidget(pParent)
{
    // The background shows where the picture ends.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

void CPreviewCanvas::SetPicture(const QImage& picture)
{
    m_picture = picture;
    FitSize();
    update();
}

void CPreviewCanvas::SetZoom(int nPercent)
{
    m_nZoom = nPercent;
    FitSize();
    update();
}

void CPreviewCanvas::FitSize()
{
    resize(ScaledSize(m_picture.size(), m_nZoom).expandedTo(QSize(1, 1)));
}

void CPreviewCanvas::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull()) return;
    QPainter painter(this);
    DrawScaledImage(painter, m_picture, false, m_nZoom, event->rect());
}
