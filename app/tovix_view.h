// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/app_services.h"
#include "app/framework/view.h"
#include "core/color_mode.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CTOVIXDoc;
class QPrinter;
struct DeviceChoices;
struct DeviceRender;

// The one view of an image document: paints the displayed copy at the
// display magnification, prints it on one page at the print magnification,
// and takes the image menu's commands.
class CTOVIXView : public CView {
    Q_OBJECT
public:
    CTOVIXView(CDocument& doc, AppServices& services);
    ~CTOVIXView() override;

    CTOVIXDoc& GetTOVIXDoc() const;

    void OnInitialUpdate() override;

    // Stores the mode in the document, reduces the picture to it and repaints.
    void SetColorMode(ColorMode mode);

    // What the device-export dialog last chose in this window; null before
    // it was first accepted. Setting them keeps them in the document and
    // shows the picture in the chosen format and reduction, as the export
    // writes it: the render given, which must be of these choices, or one made here.
    const DeviceChoices* GetDeviceChoices() const { return m_pDeviceChoices.get(); }
    void SetDeviceChoices(const DeviceChoices& choices, const DeviceRender* pRendered = nullptr);

    // The picture's size in pixels, the format shown and the bytes it takes in it.
    QString PaneText() const override;

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
    void OnExportDevice();
    void FitScrollSizes();
    // Redraws the displayed copy in the device format, where the six modes'
    // own reduction cannot show it, or makes the shaped picture when the
    // device geometry changes the picture's shape; from the render given,
    // when it is of the current choices.
    void ShowDeviceFormat(const DeviceRender* pRendered = nullptr);
    // The size of what is painted: the shaped picture's, else the document's.
    QSize ShownSize() const;
    bool ShowsOtherFormat() const;
    // The dialog's last choices, or those the document keeps.
    DeviceChoices CurrentDeviceChoices() const;

    AppServices& m_services;
    std::unique_ptr<DeviceChoices> m_pDeviceChoices;
    std::optional<std::int64_t> m_nDeviceBytes;   // the bytes the shown device format takes, once rendered
    QImage m_shaped;   // the picture turned, flipped, trimmed or resized as exported; null when its shape is the document's
};
