// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// The preview at a magnification, as large as the magnified picture; a
// scroll area around it shows the part that fits.
class CPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit CPreviewCanvas(QWidget* pParent = nullptr);

    void SetPicture(const QImage& picture);
    void SetZoom(int nPercent);
    const QImage& Picture() const { return m_picture; }
    int Zoom() const { return m_nZoom; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitSize();

    QImage m_picture;
    int m_nZoom = 400;
};
