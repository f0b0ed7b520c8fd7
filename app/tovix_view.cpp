// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tovix_view.h"

#include "app/device/device_export.h"
#include "app/device/device_render.h"
#include "app/device/document_choices.h"
#include "app/device/format_label.h"
#include "app/device/preview_worker.h"
#include "app/dialogs/device_export_dlg.h"
#include "app/dialogs/threshold_dlg.h"
#include "app/dialogs/zoom_dlg.h"
#include "app/dib_painter.h"
#include "app/framework/document.h"
#include "app/open_file_chooser.h"
#include "app/picture_filters.h"
#include "app/print_preview.h"
#include "app/res/resource.h"
#include "app/res/strings.h"
#include "app/res/device_strings.h"
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/user_dialogs.h"
#include "core/tovix_doc.h"
#include "export/bytes_layout.h"
#include "export/export_messages.h"
#include "export/export_procedure.h"
#include "picture/picture_import.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {

struct ColorCommand {
    int nId;
    ColorMode mode;
};

const ColorCommand kColorCommands[] = {
    {res::ID_COLOR_MONO, ColorMode::Mono},        {res::ID_COLOR_64, ColorMode::Colors64},
    {res::ID_COLOR_ORIGINAL, ColorMode::Full},    {res::ID_COLOR_15BPP, ColorMode::Rgb555},
    {res::ID_COLOR_16BPP, ColorMode::Rgb565},     {res::ID_COLOR_256, ColorMode::Colors256},
};

bool IsColorCommandMode(ColorMode mode)
{
    for (const ColorCommand& c : kColorCommands)
        if (c.mode == mode) return true;
    return false;
}

// Room left around the picture by the scroll range.
constexpr int kScrollMargin = 20;

} // namespace

CTOVIXView::CTOVIXView(CDocument& doc, AppServices& services) : CView(doc), m_services(services)
{
    OnCommand(res::ID_IMPORT_BMP, [this] { OnImportBmp(); });
    OnCommand(res::ID_IMPORT_PICTURE, [this] { OnImportPicture(); });
    for (const ColorCommand& c : kColorCommands) {
        OnCommand(c.nId, [this, mode = c.mode] { SetColorMode(mode); });
        OnUpdateCommand(c.nId, [this, mode = c.mode](CCmdUI& ui) {
            ui.checked = GetTOVIXDoc().m_nColorMode == mode && !ShowsOtherFormat();
        });
    }
    OnCommand(res::ID_HOMEPAGE, [this] { OnHomePage(); });
    OnCommand(res::ID_ZOOM, [this] { OnZoom(); });
    OnUpdateCommand(res::ID_ZOOM, [this](CCmdUI& ui) { ui.bEnabled = GetTOVIXDoc().HasPicture(); });
    OnCommand(res::ID_THRESHOLD, [this] { OnThreshold(); });
    OnCommand(res::ID_EXPORT_FORMAT1, [this] { RunExport(GetTOVIXDoc(), ExportFormat::Format1, m_services.dialogs); });
    OnCommand(res::ID_EXPORT_FORMAT2, [this] { RunExport(GetTOVIXDoc(), ExportFormat::Format2, m_services.dialogs); });
    OnCommand(res::ID_EXPORT_DEVICE, [this] { OnExportDevice(); });
    OnUpdateCommand(res::ID_EXPORT_DEVICE, [this](CCmdUI& ui) { ui.bEnabled = GetTOVIXDoc().HasPicture(); });
    OnCommand(res::ID_FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(res::ID_FILE_PRINT_DIRECT, [this] { PrintTo(m_services.printer); });
    OnCommand(res::ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CTOVIXView::~CTOVIXView() = default;

CTOVIXDoc& CTOVIXView::GetTOVIXDoc() const
{
    return static_cast<CTOVIXDoc&>(GetDocument().Content());
}

void CTOVIXView::OnInitialUpdate()
{
    // A document read from a file starts here too, whatever its picture's size.
    SetScrollSizes({640, 480});
    ShowDeviceFormat();
}

void CTOVIXView::SetColorMode(ColorMode mode)
{
    // One of the six commands brings back the six modes' own reduction, and
    // the picture's own shape, which their exports write.
    CTOVIXDoc& doc = GetTOVIXDoc();
    if (m_pDeviceChoices) {
        m_pDeviceChoices->settings.mode = mode;
        m_pDeviceChoices->settings.reduction = {};
        m_pDeviceChoices->settings.geometry = {};
    }
    ::ExportSettings settings = doc.ExportSettings();
    settings.mode.reset();
    settings.reduction = {};
    settings.geometry = {};
    doc.SetExportSettings(settings);
    doc.SetColorMode(mode);
    ShowDeviceFormat();
    FitScrollSizes();
    viewport()->update();
}

void CTOVIXView::SetDeviceChoices(const DeviceChoices& choices, const DeviceRender* pRendered)
{
    m_pDeviceChoices = std::make_unique<DeviceChoices>(choices);
    GetTOVIXDoc().SetExportSettings(choices.settings);
    ShowDeviceFormat(pRendered);
    FitScrollSizes();
    viewport()->update();
}

DeviceChoices CTOVIXView::CurrentDeviceChoices() const
{
    return m_pDeviceChoices ? *m_pDeviceChoices : ChoicesOf(GetTOVIXDoc());
}

bool CTOVIXView::ShowsOtherFormat() const
{
    return !IsColorCommandMode(GetTOVIXDoc().DeviceMode());
}

void CTOVIXView::ShowDeviceFormat(const DeviceRender* pRendered)
{
    CTOVIXDoc& doc = GetTOVIXDoc();
    m_nDeviceBytes.reset();
    m_shaped = QImage();
    if (!doc.HasPicture() || (!m_pDeviceChoices && doc.ExportSettings() == ::ExportSettings()) || !doc.CopyBitmapToPixels()) return;
    const DeviceChoices shown = CurrentDeviceChoices();
    std::optional<DeviceRender> rendered;
    const DeviceRender& render = pRendered != nullptr ? *pRendered : rendered.emplace(RenderForDevice(doc.Captured(), shown));
    m_nDeviceBytes = render.nFlashBytes;
    // A picture of another shape cannot be written into the displayed copy.
    if (!shown.settings.geometry.DoesNothing()) {
        m_shaped = ShownImage(render);
        return;
    }
    // A panel's inks are a reduction of their own, even of full colour.
    if (!ShowsOtherFormat() && shown.settings.reduction.IsDefault() && render.picture.mode == doc.DeviceMode()) return;
    std::vector<std::uint32_t> pixels(render.picture.values.size());
    render.ShownPixels(pixels);
    CDibImage& image = doc.m_image;
    const std::int32_t nWidth = image.GetWidth();
    const std::int32_t nHeight = image.GetHeight();
    for (std::int32_t y = 0; y < nHeight; ++y) {
        // Stored rows run bottom-up, each pixel B, G, R.
        std::uint8_t* row = image.m_pDispBits + static_cast<std::size_t>(nHeight - 1 - y) * image.GetStride();
        const std::uint32_t* shownRow = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(nWidth);
        for (std::int32_t x = 0; x < nWidth; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(shownRow[x] >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(shownRow[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(shownRow[x]);
        }
    }
}

QSize CTOVIXView::ShownSize() const
{
    const CTOVIXDoc& doc = GetTOVIXDoc();
    return m_shaped.isNull() ? QSize(doc.m_image.GetWidth(), doc.m_image.GetHeight()) : m_shaped.size();
}

QString CTOVIXView::PaneText() const
{
    const CTOVIXDoc& doc = GetTOVIXDoc();
    if (!doc.HasPicture()) return {};
    const std::int32_t nWidth = ShownSize().width();
    const std::int32_t nHeight = ShownSize().height();
    const ColorMode mode = doc.DeviceMode();
    const PixelFormat* format = FindPixelFormat(mode);
    if (format == nullptr) return {};
    const std::int64_t nBytes = m_nDeviceBytes.value_or(BytesCount(mode, nWidth, nHeight, {}));
    return QString::fromUtf8(res::str::device::kPaneFormat)
        .arg(nWidth)
        .arg(nHeight)
        .arg(PixelFormatLabel(*format))
        .arg(nBytes);
}

void CTOVIXView::OnDraw(QPainter& painter, bool bPrinting, const QRect& exposed) const
{
    const CTOVIXDoc& doc = GetTOVIXDoc();
    if (!doc.HasPicture()) return;
    const int nZoom = bPrinting ? doc.m_nPrintZoom : doc.m_nViewZoom;
    if (m_shaped.isNull())
        DrawDib(painter, doc.m_image, nZoom, exposed);
    else
        DrawScaledImage(painter, m_shaped, false, nZoom, exposed);
}

bool CTOVIXView::PrintTo(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Without this the picture would reach a PDF as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    OnDraw(painter, true, painter.viewport());
    return painter.end();
}

void CTOVIXView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = GetScrollPosition();
    painter.translate(-scroll);
    OnDraw(painter, false, event->rect().translated(scroll));
}

void CTOVIXView::OnImportBmp()
{
    const std::optional<std::string> path =
        m_services.chooser.AskOpenFileName({res::str::kBitmapExtension, res::str::kBitmapFilters});
    if (path && !path->empty()) ImportFile(*path, ImportKind::Bmp);
}

void CTOVIXView::OnImportPicture()
{
    const std::optional<std::string> path = m_services.chooser.AskOpenFileName({{}, PictureDialogFilters()});
    if (path && !path->empty()) ImportFile(*path, ImportKind::Picture);
}

bool CTOVIXView::ImportFile(const std::string& path, ImportKind kind)
{
    CTOVIXDoc& doc = GetTOVIXDoc();
    const bool bImported = kind == ImportKind::Bmp ? ImportBmp(doc, path, m_services.dialogs)
                                                   : ImportPicture(doc, path, m_services.dialogs);
    // A refused file leaves the scroll range alone, but the document holds no
    // picture any more, and the window must not go on showing one.
    if (bImported) FitScrollSizes();
    ShowDeviceFormat();
    viewport()->update();
    return bImported;
}

void CTOVIXView::FitScrollSizes()
{
    const CTOVIXDoc& doc = GetTOVIXDoc();
    if (!doc.m_image.IsLoaded()) return;
    const QSize scaled = ScaledSize(ShownSize(), doc.m_nViewZoom);
    SetScrollSizes(scaled + QSize(kScrollMargin, kScrollMargin));
}

void CTOVIXView::OnThreshold()
{
    CTOVIXDoc& doc = GetTOVIXDoc();
    CThresholdDlg dialog(this);
    dialog.m_nThresholdR = doc.m_nThresholdR;
    dialog.m_nThresholdG = doc.m_nThresholdG;
    dialog.m_nThresholdB = doc.m_nThresholdB;
    const Thresholds before = doc.GetThresholds();
    const bool bAccepted = dialog.exec() == QDialog::Accepted;
    // Messages the dialog posted and the loop has not delivered yet must not
    // overwrite what is decided here.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    doc.SetThresholds(bAccepted ? Thresholds{dialog.m_nThresholdR, dialog.m_nThresholdG, dialog.m_nThresholdB} : before);
    ShowDeviceFormat();
    viewport()->update();
}

void CTOVIXView::OnSetThresholdR(int nThreshold)
{
    GetTOVIXDoc().m_nThresholdR = nThreshold;
    viewport()->update();
}

void CTOVIXView::OnSetThresholdG(int nThreshold)
{
    GetTOVIXDoc().m_nThresholdG = nThreshold;
    viewport()->update();
}

void CTOVIXView::OnSetThresholdB(int nThreshold)
{
    GetTOVIXDoc().m_nThresholdB = nThreshold;
    viewport()->update();
}

void CTOVIXView::OnZoom()
{
    CTOVIXDoc& doc = GetTOVIXDoc();
    CZoomDlg dialog(this);
    dialog.m_nPrintPercent = doc.m_nPrintZoom;
    dialog.m_nViewPercent = doc.m_nViewZoom;
    if (dialog.exec() == QDialog::Accepted) {
        doc.m_nPrintZoom = dialog.m_nPrintPercent;
        doc.m_nViewZoom = dialog.m_nViewPercent;
    }
    FitScrollSizes();
    viewport()->update();
}

void CTOVIXView::OnExportDevice()
{
    CTOVIXDoc& doc = GetTOVIXDoc();
    if (!doc.HasPicture()) {
        m_services.dialogs.ShowMessage(msg::kNoExportData);
        return;
    }
    const std::optional<CapturedPicture> picture = CapturePicture(doc, m_services.dialogs);
    if (!picture) return;
    CDeviceExportDlg dialog(*picture, CurrentDeviceChoices(), m_services.chooser, m_services.dialogs, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The preview of exactly the choices accepted, when it is ready, is shown and written as it is.
    const std::shared_ptr<const DevicePreview> pPreview = dialog.Worker().LatestFor(dialog.Choices());
    const DeviceRender* pRendered = pPreview ? &pPreview->render : nullptr;
    SetDeviceChoices(dialog.Choices(), pRendered);
    RunDeviceExport(*picture, dialog.Choices(), pRendered, m_services.dialogs);
}

void CTOVIXView::OnHomePage()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(res::str::kHomePageUrl)));
}

void CTOVIXView::OnFilePrint()
{
    QPrintDialog dialog(&m_services.printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) PrintTo(m_services.printer);
}

void CTOVIXView::OnFilePrintPreview()
{
    RunPrintPreview(m_services.printer, this, [this](QPrinter& printer) { PrintTo(printer); });
}
