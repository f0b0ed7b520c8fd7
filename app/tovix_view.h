// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/app_services.h"
#include "app/framework/view.h"
#include "core/color_mode.h"

#include <string>

class CTOVIXDoc;
class QPrinter;

// The one view of an image document: paints the displayed copy at the
// display magnification, prints it on one page at the print magnification,
// and takes the image menu's commands.
class CTOVIXView : public CView {
    Q_OBJECT
public:
    CTOVIXView(CDocument& doc, AppServices& services);

    CTOVIXDoc& GetTOVIXDoc() const;

    void OnInitialUpdate() override;

    // Stores the mode in the document, reduces the picture to it and repaints.
    void SetColorMode(ColorMode mode);

    // Paints the picture at (0, 0): at the print magnification on paper,
    // else at the display magnification; only what lies inside exposed.
    void OnDraw(QPainter& painter, bool bPrinting, const QRect& exposed) const;

    // Which import reads a file: the 24-bit BMP one, or the one for every picture format.
    enum class ImportKind { Bmp, Picture };

    // Imports a file into the document and fits the scroll range to it.
    bool ImportFile(const std::string& path, ImportKind kind);

    // Prints the one page; false when the printer could not be opened.
    bool PrintTo(QPrinter& printer) const;

    // What the threshold dialog posts while it is open: the document takes
    // the value and the view repaints, without reducing the picture again.
    void OnSetThresholdR(int nThreshold);
    void OnSetThresholdG(int nThreshold);
    void OnSetThresholdB(int nThreshold);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnImportBmp();
    void OnImportPicture();
    void OnHomePage();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnThreshold();
    void OnZoom();
    void FitScrollSizes();

    AppServices& m_services;
};
