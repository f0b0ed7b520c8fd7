// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/device_export_dlg.h"

#include "app/device/format_label.h"
#include "app/device/preview_canvas.h"
#include "app/dialogs/dialog_units.h"
#include "app/open_file_chooser.h"
#include "app/device/preview_worker.h"
#include "app/res/device_strings.h"
#include "core/palette_file.h"
#include "core/picture_values.h"
#include "core/pixel_format.h"
#include "core/user_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <utility>

namespace s = res::str::device;

namespace {

using Item = std::pair<const char*, int>;

void Fill(QComboBox* pBox, std::initializer_list<Item> items)
{
    for (const auto& [pszText, nValue] : items) pBox->addItem(QString::fromUtf8(pszText), nValue);
}

int Value(const QComboBox* pBox)
{
    return pBox->currentData().toInt();
}

void Select(QComboBox* pBox, int nValue)
{
    const int nIndex = pBox->findData(nValue);
    if (nIndex >= 0) pBox->setCurrentIndex(nIndex);
}

// The two-colour rule the output takes when none is chosen.
ReductionSettings::MonoRule DefaultMonoRule(const OutputFormat& output)
{
    return *ResolvedFor(output, ColorMode::Mono, {}).monoRule;
}

template <typename Enum>
void SelectOption(QComboBox* pBox, const std::optional<Enum>& value, Enum fallback)
{
    Select(pBox, static_cast<int>(value.value_or(fallback)));
}

QString Text(const char* pszText)
{
    return QString::fromUtf8(pszText);
}

// The settings column: as wide as its widgets and as high as they are
// unless the dialog is made lower, when it scrolls.
class CSettingsScroll : public QScrollArea {
public:
    CSettingsScroll(QWidget* pSettings, QWidget* pParent) : QScrollArea(pParent)
    {
        setWidget(pSettings);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setObjectName(QStringLiteral("settings"));
    }
    QSize minimumSizeHint() const override
    {
        return {widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width(), QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override { return {minimumSizeHint().width(), widget()->sizeHint().height()}; }
};

// A picture side the geometry may ask for.
constexpr int kLargestSide = 4096;
constexpr int kNoChoice = -1;
// The flip box's values: a bit for each axis.
constexpr int kFlipHorizontal = 1;
constexpr int kFlipVertical = 2;

} // namespace

CDeviceExportDlg::CDeviceExportDlg(const CapturedPicture& picture, const DeviceChoices& initial, COpenFileChooser& chooser,
                                   UserDialogs& dialogs, QWidget* pParent)
    : QDialog(pParent),
      m_choices(initial),
      m_chooser(chooser),
      m_dialogs(dialogs),
      m_palette(initial.settings.reduction.palette),
      m_pWorker(new CPreviewWorker(picture, this))
{
    setWindowTitle(Text(s::kCaption));
    SetDialogFrame(this);
    BuildControls();
    if (!m_choices.settings.geometry.Resizes()) {
        m_pWidth->setValue(std::max(1, picture.nWidth));
        m_pHeight->setValue(std::max(1, picture.nHeight));
    }
    ShowChoices();
    connect(m_pWorker, &CPreviewWorker::Ready, this, &CDeviceExportDlg::OnPreviewReady);
    OnChanged();
}

QComboBox* CDeviceExportDlg::AddCombo(const char* pszName)
{
    auto* pBox = new QComboBox(this);
    pBox->setObjectName(QString::fromLatin1(pszName));
    connect(pBox, &QComboBox::currentIndexChanged, this, &CDeviceExportDlg::OnChanged);
    return pBox;
}

void CDeviceExportDlg::BuildControls()
{
    auto check = [this](const char* pszText, const char* pszName) {
        auto* pBox = new QCheckBox(Text(pszText), this);
        pBox->setObjectName(QString::fromLatin1(pszName));
        connect(pBox, &QCheckBox::toggled, this, &CDeviceExportDlg::OnChanged);
        return pBox;
    };
    auto spin = [this](const char* pszName, int nLowest, int nHighest) {
        auto* pBox = new QSpinBox(this);
        pBox->setObjectName(QString::fromLatin1(pszName));
        pBox->setRange(nLowest, nHighest);
        connect(pBox, &QSpinBox::valueChanged, this, &CDeviceExportDlg::OnChanged);
        return pBox;
    };
    auto group = [this](const char* pszTitle, QFormLayout*& pForm) {
        auto* pGroup = new QGroupBox(Text(pszTitle), this);
        pForm = new QFormLayout(pGroup);
        return pGroup;
    };

    m_pTarget = AddCombo("target");
    m_pTarget->addItem(Text(s::kCustomTarget), kNoChoice);
    const std::span<const OutputFormat> rows = OutputFormats();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].pszTarget != nullptr && FindOutputFormat("bytes", rows[i].pszTarget) == &rows[i])
            m_pTarget->addItem(QString::fromUtf8(rows[i].pszTarget), static_cast<int>(i));
    m_pFormat = AddCombo("format");
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    connect(m_pName, &QLineEdit::textChanged, this, &CDeviceExportDlg::OnChanged);
    m_pHeader = check(s::kHeader, "header");
    m_pFileKind = AddCombo("fileKind");
    Fill(m_pFileKind, {{s::kCSource, 0}, {s::kBinary, 1}});

    m_pByteOrder = AddCombo("byteOrder");
    Fill(m_pByteOrder, {{s::kLittleEndian, int(ByteOrder::Little)}, {s::kBigEndian, int(ByteOrder::Big)}});
    m_pBitOrder = AddCombo("bitOrder");
    Fill(m_pBitOrder, {{s::kMsbFirst, int(BitOrder::Msb)}, {s::kLsbFirst, int(BitOrder::Lsb)}});
    m_pPacking = AddCombo("packing");
    Fill(m_pPacking, {{s::kRows, int(MonoPacking::Rows)}, {s::kPages, int(MonoPacking::Pages)}});
    m_pRgbOrder = AddCombo("rgbOrder");
    Fill(m_pRgbOrder, {{"RGB", int(RgbOrder::Rgb)}, {"BGR", int(RgbOrder::Bgr)}});
    m_pInvert = check(s::kInvert, "invert");
    m_pPaletteFormat = AddCombo("paletteFormat");
    Fill(m_pPaletteFormat, {{s::kPalette888, int(PaletteFormat::Rgb888)}, {s::kPalette565, int(PaletteFormat::Rgb565)}});

    m_pDither = AddCombo("dither");
    Fill(m_pDither, {{s::kDitherNone, int(DitherMethod::None)},
                     {s::kDitherFloydSteinberg, int(DitherMethod::FloydSteinberg)},
                     {s::kDitherAtkinson, int(DitherMethod::Atkinson)},
                     {s::kDitherOrdered, int(DitherMethod::Ordered)}});
    m_pMonoRule = AddCombo("monoRule");
    Fill(m_pMonoRule, {{s::kMonoChannels, int(ReductionSettings::MonoRule::Channels)},
                       {s::kMonoLuminance, int(ReductionSettings::MonoRule::Luminance)}});
    m_pLuminance = spin("luminance", 0, 255);
    m_pRound = check(s::kRound, "round");
    m_pPalette = new QLabel(this);
    m_pPalette->setObjectName(QStringLiteral("palette"));
    m_pPaletteFile = new QPushButton(Text(s::kPaletteFile), this);
    m_pPaletteFile->setObjectName(QStringLiteral("paletteFile"));
    m_pPaletteFile->setAutoDefault(false);
    connect(m_pPaletteFile, &QPushButton::clicked, this, &CDeviceExportDlg::OnPaletteFile);
    m_pPaletteAuto = new QPushButton(Text(s::kPaletteClear), this);
    m_pPaletteAuto->setObjectName(QStringLiteral("paletteAuto"));
    m_pPaletteAuto->setAutoDefault(false);
    connect(m_pPaletteAuto, &QPushButton::clicked, this, &CDeviceExportDlg::OnPaletteAuto);

    m_pTrim = check(s::kTrim, "trim");

    m_pRotate = AddCombo("rotate");
    Fill(m_pRotate, {{s::kNoRotation, kNoChoice},
                     {s::kRotate90, int(Rotation::Clockwise90)},
                     {s::kRotate180, int(Rotation::HalfTurn)},
                     {s::kRotate270, int(Rotation::Clockwise270)}});
    m_pFlip = AddCombo("flip");
    Fill(m_pFlip, {{s::kNoFlip, 0}, {s::kFlipHorizontal, kFlipHorizontal}, {s::kFlipVertical, kFlipVertical},
                   {s::kFlipBoth, kFlipHorizontal | kFlipVertical}});
    m_pResize = check(s::kResize, "resize");
    m_pWidth = spin("width", 1, kLargestSide);
    m_pHeight = spin("height", 1, kLargestSide);
    m_pFit = AddCombo("fit");
    Fill(m_pFit, {{s::kFitWhole, int(ResizeFit::Fit)}, {s::kFillWhole, int(ResizeFit::Fill)}});
    m_pFilter = AddCombo("filter");
    Fill(m_pFilter, {{s::kFilterArea, int(ResizeFilter::Area)},
                     {s::kFilterLanczos, int(ResizeFilter::Lanczos)},
                     {s::kFilterNearest, int(ResizeFilter::Nearest)}});

    // The magnification only redraws: the render it shows stays as it is.
    m_pZoom = new QComboBox(this);
    m_pZoom->setObjectName(QStringLiteral("zoom"));
    for (int nPercent : {100, 200, 400, 800}) m_pZoom->addItem(QStringLiteral("%1 %").arg(nPercent), nPercent);
    connect(m_pZoom, &QComboBox::currentIndexChanged, this, [this] {
        m_choices.nPreviewZoom = Value(m_pZoom);
        m_pCanvas->SetZoom(m_choices.nPreviewZoom);
    });
    m_pCanvas = new CPreviewCanvas;
    auto* pScroll = new QScrollArea(this);
    pScroll->setWidget(m_pCanvas);
    pScroll->setMinimumSize(520, 420);
    m_pSize = new QLabel(this);
    m_pSize->setObjectName(QStringLiteral("size"));

    QFormLayout* pForm = nullptr;
    // Widgets side by side after one label, the first stretched; a widget,
    // not a layout, so that the label's mnemonic can find its buddy.
    auto addRowOf = [&](const char* pszLabel, std::initializer_list<QWidget*> widgets, QWidget* pBuddy) {
        auto* pRow = new QWidget(this);
        auto* pLayout = new QHBoxLayout(pRow);
        pLayout->setContentsMargins(0, 0, 0, 0);
        for (QWidget* pWidget : widgets) pLayout->addWidget(pWidget, pWidget == *widgets.begin() ? 1 : 0);
        pForm->addRow(Text(pszLabel), pRow);
        qobject_cast<QLabel*>(pForm->labelForField(pRow))->setBuddy(pBuddy);
    };
    auto* pSettings = new QVBoxLayout;
    pSettings->addWidget(group(s::kOutputGroup, pForm));
    pForm->addRow(Text(s::kTarget), m_pTarget);
    pForm->addRow(Text(s::kPixelFormat), m_pFormat);
    pForm->addRow(Text(s::kFileKind), m_pFileKind);
    pForm->addRow(Text(s::kArrayName), m_pName);
    pForm->addRow(m_pHeader);
    pSettings->addWidget(group(s::kLayoutGroup, pForm));
    pForm->addRow(Text(s::kByteOrder), m_pByteOrder);
    pForm->addRow(Text(s::kBitOrder), m_pBitOrder);
    pForm->addRow(Text(s::kPacking), m_pPacking);
    // Colour order is for full colour, inversion for two colours: never both.
    addRowOf(s::kRgbOrder, {m_pRgbOrder, m_pInvert}, m_pRgbOrder);
    pForm->addRow(Text(s::kPaletteFormat), m_pPaletteFormat);
    pSettings->addWidget(group(s::kReductionGroup, pForm));
    pForm->addRow(Text(s::kDither), m_pDither);
    addRowOf(s::kMonoRule, {m_pMonoRule, m_pLuminance}, m_pMonoRule);
    pForm->addRow(m_pRound);
    addRowOf(s::kPalette, {m_pPalette, m_pPaletteFile, m_pPaletteAuto}, m_pPaletteFile);
    pSettings->addWidget(group(s::kGeometryGroup, pForm));
    pForm->addRow(m_pTrim);
    pForm->addRow(Text(s::kRotate), m_pRotate);
    pForm->addRow(Text(s::kFlip), m_pFlip);
    auto* pSize = new QHBoxLayout;
    pSize->addWidget(m_pWidth);
    pSize->addWidget(new QLabel(QStringLiteral("×"), this));
    pSize->addWidget(m_pHeight);
    pForm->addRow(m_pResize, pSize);
    auto* pHow = new QHBoxLayout;
    pHow->addWidget(m_pFit);
    pHow->addWidget(m_pFilter);
    pForm->addRow(QString(), pHow);
    pSettings->addStretch(1);

    auto* pPreview = new QVBoxLayout;
    QGroupBox* pPreviewGroup = group(s::kPreviewGroup, pForm);
    pForm->addRow(Text(s::kZoom), m_pZoom);
    pForm->addRow(pScroll);
    pForm->addRow(m_pSize);
    pPreview->addWidget(pPreviewGroup, 1);
    auto* pButtons = new QDialogButtonBox(this);
    m_pExport = pButtons->addButton(Text(s::kExportButton), QDialogButtonBox::AcceptRole);
    m_pExport->setDefault(true);
    pButtons->addButton(Text(s::kCancelButton), QDialogButtonBox::RejectRole);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pPreview->addWidget(pButtons);

    auto* pSettingsWidget = new QWidget;
    pSettingsWidget->setLayout(pSettings);
    auto* pLayout = new QHBoxLayout(this);
    m_pSettingsScroll = new CSettingsScroll(pSettingsWidget, this);
    pLayout->addWidget(m_pSettingsScroll);
    pLayout->addLayout(pPreview, 1);
}

void CDeviceExportDlg::showEvent(QShowEvent* pEvent)
{
    // Every setting in view where the screen is high enough; on a lower one
    // the settings scroll and the buttons stay on it, with room left for the
    // window manager's frame. The settings' size is known only once the
    // desktop's fonts are in, after the layout first asked for it.
    constexpr int kFrameAllowance = 48;
    m_pSettingsScroll->updateGeometry();
    layout()->activate();
    const QSize wanted = sizeHint();
    const QScreen* pScreen = screen();
    const int nAvailable = pScreen != nullptr ? pScreen->availableGeometry().height() - kFrameAllowance : wanted.height();
    resize(std::max(width(), wanted.width()), std::max(std::min(wanted.height(), nAvailable), minimumSizeHint().height()));
    QDialog::showEvent(pEvent);
}

// The formats the chosen row can write, each with its bits a pixel.
void CDeviceExportDlg::FillFormats()
{
    const OutputFormat& row = m_choices.Output();
    m_pFormat->clear();
    for (const PixelFormat& format : PixelFormats())
        if (row.TakesMode(format.mode))
            m_pFormat->addItem(PixelFormatLabel(format), format.Number());
    if (m_pFormat->findData(static_cast<int>(m_choices.Mode())) < 0)
        m_choices.settings.mode = row.pszTarget != nullptr ? row.defaultMode : static_cast<ColorMode>(Value(m_pFormat));
    Select(m_pFormat, static_cast<int>(m_choices.Mode()));
}

void CDeviceExportDlg::ShowChoices()
{
    m_bFilling = true;
    const ExportSettings& c = m_choices.settings;
    int nTarget = kNoChoice;
    if (const OutputFormat* source = FindOutputFormat(FormatWord(ExportFormat::Bytes), c.target))
        nTarget = static_cast<int>(source - OutputFormats().data());
    Select(m_pTarget, nTarget);
    FillFormats();
    Select(m_pFileKind, m_choices.Binary() ? 1 : 0);
    m_pName->setText(QString::fromStdString(c.name));
    m_pHeader->setChecked(c.bHeader);
    SelectOption(m_pByteOrder, c.layout.byteOrder, ByteOrder::Little);
    Select(m_pBitOrder, static_cast<int>(c.layout.GetBitOrder()));
    SelectOption(m_pPacking, c.layout.packing, MonoPacking::Rows);
    SelectOption(m_pRgbOrder, c.layout.rgbOrder, RgbOrder::Rgb);
    m_pInvert->setChecked(c.layout.bInvert);
    SelectOption(m_pPaletteFormat, c.layout.paletteFormat, PaletteFormat::Rgb888);
    Select(m_pDither, static_cast<int>(c.reduction.dither));
    Select(m_pMonoRule, static_cast<int>(c.reduction.monoRule.value_or(DefaultMonoRule(m_choices.Output()))));
    m_pLuminance->setValue(c.reduction.nLuminanceThreshold);
    m_pRound->setChecked(c.reduction.bRound);
    ShowPalette();
    m_pTrim->setChecked(c.geometry.bTrim);
    Select(m_pRotate, c.geometry.rotation ? static_cast<int>(*c.geometry.rotation) : kNoChoice);
    Select(m_pFlip, (c.geometry.bFlipHorizontal ? kFlipHorizontal : 0) | (c.geometry.bFlipVertical ? kFlipVertical : 0));
    m_pResize->setChecked(c.geometry.Resizes());
    if (c.geometry.Resizes()) {
        m_pWidth->setValue(c.geometry.nWidth);
        m_pHeight->setValue(c.geometry.nHeight);
    }
    Select(m_pFit, static_cast<int>(c.geometry.fit));
    Select(m_pFilter, static_cast<int>(c.geometry.filter));
    Select(m_pZoom, m_choices.nPreviewZoom);
    m_bFilling = false;
}

void CDeviceExportDlg::ReadControls()
{
    ExportSettings& c = m_choices.settings;
    const int nTarget = Value(m_pTarget);
    const std::string target = nTarget == kNoChoice ? "" : OutputFormats()[static_cast<std::size_t>(nTarget)].pszTarget;
    if (target != c.target) {
        c.target = target;
        m_bFilling = true;
        FillFormats();
        m_bFilling = false;
    }
    c.mode = static_cast<ColorMode>(Value(m_pFormat));
    c.format = Value(m_pFileKind) == 1 ? ExportFormat::Bin : ExportFormat::Bytes;
    c.name = m_pName->text().toStdString();
    // Only options that apply are given: a greyed-out box keeps its text but says nothing.
    auto option = [](const QComboBox* pBox, auto& field) {
        using Enum = typename std::remove_reference_t<decltype(field)>::value_type;
        field = pBox->isEnabled() ? std::optional<Enum>(static_cast<Enum>(Value(pBox))) : std::nullopt;
    };
    option(m_pByteOrder, c.layout.byteOrder);
    option(m_pBitOrder, c.layout.bitOrder);
    option(m_pPacking, c.layout.packing);
    option(m_pRgbOrder, c.layout.rgbOrder);
    option(m_pPaletteFormat, c.layout.paletteFormat);
    c.layout.bInvert = m_pInvert->isEnabled() && m_pInvert->isChecked();
    c.bHeader = m_pHeader->isEnabled() && m_pHeader->isChecked();
    c.reduction.dither = m_pDither->isEnabled() ? static_cast<DitherMethod>(Value(m_pDither)) : DitherMethod::None;
    // The format's own rule stays unchosen until another is chosen, so that
    // the document keeps no rule it was never given.
    const auto rule = static_cast<ReductionSettings::MonoRule>(Value(m_pMonoRule));
    const bool bChosen = c.reduction.monoRule || rule != DefaultMonoRule(m_choices.Output());
    c.reduction.monoRule = m_pMonoRule->isEnabled() && bChosen ? std::optional(rule) : std::nullopt;
    c.reduction.nLuminanceThreshold = m_pLuminance->value();
    c.reduction.bRound = m_pRound->isEnabled() && m_pRound->isChecked();
    const PixelFormat* format = FindPixelFormat(m_choices.Mode());
    c.reduction.palette = format != nullptr && format->UsesPalette() ? m_palette : std::vector<Rgb>{};
    c.geometry.bTrim = m_pTrim->isChecked();
    const int nRotate = Value(m_pRotate);
    c.geometry.rotation = nRotate == kNoChoice ? std::nullopt : std::optional<Rotation>(static_cast<Rotation>(nRotate));
    const int nFlip = Value(m_pFlip);
    c.geometry.bFlipHorizontal = (nFlip & kFlipHorizontal) != 0;
    c.geometry.bFlipVertical = (nFlip & kFlipVertical) != 0;
    c.geometry.nWidth = m_pResize->isChecked() ? m_pWidth->value() : 0;
    c.geometry.nHeight = m_pResize->isChecked() ? m_pHeight->value() : 0;
    c.geometry.fit = static_cast<ResizeFit>(Value(m_pFit));
    c.geometry.filter = static_cast<ResizeFilter>(Value(m_pFilter));
    m_choices.nPreviewZoom = Value(m_pZoom);
}

// The tables say what applies: an option is offered when the row and the
// format would take it given alone.
void CDeviceExportDlg::UpdateEnabled()
{
    const OutputFormat& row = m_choices.Output();
    const ColorMode mode = m_choices.Mode();
    auto takes = [&](auto set) {
        LayoutOptions options;
        set(options);
        return !OptionsErrorFor(row, mode, options, false);
    };
    m_pPaletteFormat->setEnabled(takes([](LayoutOptions& o) { o.paletteFormat = PaletteFormat::Rgb888; }));
    // A palette of 5-6-5 words has a byte order.
    const std::optional<PaletteFormat> palette =
        m_pPaletteFormat->isEnabled() ? std::optional(static_cast<PaletteFormat>(Value(m_pPaletteFormat))) : std::nullopt;
    m_pByteOrder->setEnabled(takes([&](LayoutOptions& o) {
        o.byteOrder = ByteOrder::Little;
        o.paletteFormat = palette;
    }));
    m_pBitOrder->setEnabled(takes([](LayoutOptions& o) { o.bitOrder = BitOrder::Msb; }));
    m_pPacking->setEnabled(takes([](LayoutOptions& o) { o.packing = MonoPacking::Rows; }));
    m_pRgbOrder->setEnabled(takes([](LayoutOptions& o) { o.rgbOrder = RgbOrder::Rgb; }));
    m_pInvert->setEnabled(takes([](LayoutOptions& o) { o.bInvert = true; }));
    m_pHeader->setEnabled(!OptionsErrorFor(row, mode, {}, true));
    auto reduces = [&](auto set) {
        ReductionSettings settings;
        set(settings);
        return !ReductionErrorFor(row, settings, mode);
    };
    m_pDither->setEnabled(reduces([](ReductionSettings& r) { r.dither = DitherMethod::Ordered; }));
    m_pRound->setEnabled(reduces([](ReductionSettings& r) { r.bRound = true; }));
    m_pMonoRule->setEnabled(reduces([](ReductionSettings& r) { r.monoRule = ReductionSettings::MonoRule::Luminance; }));
    m_pLuminance->setEnabled(m_pMonoRule->isEnabled() && Value(m_pMonoRule) == int(ReductionSettings::MonoRule::Luminance));
    const PixelFormat* format = FindPixelFormat(mode);
    const bool bPalette = format != nullptr && format->UsesPalette();
    m_pPaletteFile->setEnabled(bPalette);
    m_pPaletteAuto->setEnabled(bPalette && !m_palette.empty());
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pWidth, m_pHeight, m_pFit, m_pFilter})
        pWidget->setEnabled(m_pResize->isChecked());
}

void CDeviceExportDlg::OnChanged()
{
    if (m_bFilling) return;
    ReadControls();
    UpdateEnabled();
    // Enabling may have changed what is given.
    ReadControls();
    m_pCanvas->SetZoom(m_choices.nPreviewZoom);
    m_pSize->setText(Text(s::kWorking));
    m_pWorker->Request(m_choices);
}

void CDeviceExportDlg::OnPreviewReady()
{
    const std::shared_ptr<const DevicePreview> pPreview = m_pWorker->Latest();
    const DeviceRender& render = pPreview->render;
    m_pCanvas->SetPicture(pPreview->shown);
    m_pSize->setText(render.refusal ? Text(s::kCannotExport)
                                    : Text(s::kSizeFormat)
                                          .arg(render.picture.nWidth)
                                          .arg(render.picture.nHeight)
                                          .arg(render.nFlashBytes));
    m_pExport->setEnabled(!render.refusal);
}

void CDeviceExportDlg::ShowPalette()
{
    if (m_palette.empty())
        m_pPalette->setText(Text(s::kPaletteAuto));
    else if (m_strPaletteFile.empty())
        m_pPalette->setText(Text(s::kPaletteKept).arg(m_palette.size()));
    else
        m_pPalette->setText(Text(s::kPaletteColours).arg(m_palette.size()).arg(QString::fromStdString(m_strPaletteFile)));
}

// Read as the tool reads --palette; a file that cannot be used leaves the palette as it was.
void CDeviceExportDlg::OnPaletteFile()
{
    const std::optional<std::string> path = m_chooser.AskOpenFileName({s::kPaletteExtension, s::kPaletteFilters});
    if (!path || path->empty()) return;
    const PaletteFile file = ReadPaletteFile(*path);
    if (file.fault != PaletteFileFault::None) {
        m_dialogs.ShowMessage(std::string(s::kCannotReadPalette) + "\n" + DescribePaletteFault(*path, file));
        return;
    }
    m_palette = file.colours;
    m_strPaletteFile = std::filesystem::path(*path).filename().string();
    ShowPalette();
    OnChanged();
}

void CDeviceExportDlg::OnPaletteAuto()
{
    m_palette.clear();
    m_strPaletteFile.clear();
    ShowPalette();
    OnChanged();
}
