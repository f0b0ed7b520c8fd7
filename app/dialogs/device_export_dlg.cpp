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
#include <array>
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

QString Text(const char* pszText)
{
    return QString::fromUtf8(pszText);
}

// A bound control's value: a combo's entry, a check box's 0 or 1, a spin box's number.
int ControlValue(const OptionBinding& binding, const QWidget* pControl)
{
    switch (binding.kind) {
    case ControlKind::Combo: return Value(static_cast<const QComboBox*>(pControl));
    case ControlKind::Check: return static_cast<const QCheckBox*>(pControl)->isChecked() ? 1 : 0;
    case ControlKind::Spin: return static_cast<const QSpinBox*>(pControl)->value();
    }
    return 0;
}

void ShowValue(const OptionBinding& binding, QWidget* pControl, int nValue)
{
    switch (binding.kind) {
    case ControlKind::Combo: Select(static_cast<QComboBox*>(pControl), nValue); break;
    case ControlKind::Check: static_cast<QCheckBox*>(pControl)->setChecked(nValue != 0); break;
    case ControlKind::Spin: static_cast<QSpinBox*>(pControl)->setValue(nValue); break;
    }
}

// Widgets side by side after one label, the first stretched; a widget, not
// a layout, so that the label's mnemonic can find its buddy.
void AddRowOf(QFormLayout* pForm, const char* pszLabel, std::span<QWidget* const> widgets, QWidget* pBuddy)
{
    auto* pRow = new QWidget(pForm->parentWidget());
    auto* pLayout = new QHBoxLayout(pRow);
    pLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* pWidget : widgets) pLayout->addWidget(pWidget, pWidget == widgets.front() ? 1 : 0);
    pForm->addRow(Text(pszLabel), pRow);
    qobject_cast<QLabel*>(pForm->labelForField(pRow))->setBuddy(pBuddy);
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

QWidget* CDeviceExportDlg::AddBoundControl(const OptionBinding& binding)
{
    QWidget* pControl = nullptr;
    switch (binding.kind) {
    case ControlKind::Combo: {
        QComboBox* pBox = AddCombo(binding.pszName);
        for (const ControlChoice& choice : binding.choices) pBox->addItem(Text(choice.pszText), choice.nValue);
        return pBox;
    }
    case ControlKind::Check: {
        auto* pBox = new QCheckBox(Text(binding.pszLabel), this);
        connect(pBox, &QCheckBox::toggled, this, &CDeviceExportDlg::OnChanged);
        pControl = pBox;
        break;
    }
    case ControlKind::Spin: {
        auto* pBox = new QSpinBox(this);
        pBox->setRange(binding.nLowest, binding.nHighest);
        connect(pBox, &QSpinBox::valueChanged, this, &CDeviceExportDlg::OnChanged);
        pControl = pBox;
        break;
    }
    }
    pControl->setObjectName(QString::fromLatin1(binding.pszName));
    return pControl;
}

// The group's bound options, a row each, those beside another in its row.
void CDeviceExportDlg::AddBoundRows(SettingsGroup group, QFormLayout* pForm)
{
    const std::span<const OptionBinding> bindings = OptionBindings();
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        const OptionBinding& binding = bindings[i];
        if (binding.group != group || binding.bBesidePrevious) continue;
        std::size_t nEnd = i + 1;
        while (nEnd < bindings.size() && bindings[nEnd].bBesidePrevious) ++nEnd;
        if (nEnd > i + 1)
            AddRowOf(pForm, binding.pszLabel, std::span(m_bound).subspan(i, nEnd - i), m_bound[i]);
        else if (binding.kind == ControlKind::Check)
            pForm->addRow(m_bound[i]);
        else
            pForm->addRow(Text(binding.pszLabel), m_bound[i]);
    }
}

void CDeviceExportDlg::BuildControls()
{
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
    m_pFileKind = AddCombo("fileKind");
    Fill(m_pFileKind, {{s::kCSource, 0}, {s::kBinary, 1}});
    for (const OptionBinding& binding : OptionBindings()) m_bound.push_back(AddBoundControl(binding));

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

    m_pResize = new QCheckBox(Text(s::kResize), this);
    m_pResize->setObjectName(QStringLiteral("resize"));
    connect(m_pResize, &QCheckBox::toggled, this, &CDeviceExportDlg::OnChanged);
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
    auto* pSettings = new QVBoxLayout;
    pSettings->addWidget(group(s::kOutputGroup, pForm));
    pForm->addRow(Text(s::kTarget), m_pTarget);
    pForm->addRow(Text(s::kPixelFormat), m_pFormat);
    pForm->addRow(Text(s::kFileKind), m_pFileKind);
    pForm->addRow(Text(s::kArrayName), m_pName);
    AddBoundRows(SettingsGroup::Output, pForm);
    pSettings->addWidget(group(s::kLayoutGroup, pForm));
    AddBoundRows(SettingsGroup::Layout, pForm);
    pSettings->addWidget(group(s::kReductionGroup, pForm));
    AddBoundRows(SettingsGroup::Reduction, pForm);
    const std::array<QWidget*, 3> palette{m_pPalette, m_pPaletteFile, m_pPaletteAuto};
    AddRowOf(pForm, s::kPalette, palette, m_pPaletteFile);
    pSettings->addWidget(group(s::kGeometryGroup, pForm));
    AddBoundRows(SettingsGroup::Geometry, pForm);
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
    const std::span<const OptionBinding> bindings = OptionBindings();
    for (std::size_t i = 0; i < bindings.size(); ++i) ShowValue(bindings[i], m_bound[i], bindings[i].show(m_choices));
    ShowPalette();
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
    const std::span<const OptionBinding> bindings = OptionBindings();
    for (std::size_t i = 0; i < bindings.size(); ++i)
        bindings[i].read(m_choices, ControlValue(bindings[i], m_bound[i]), m_bound[i]->isEnabled());
    const PixelFormat* format = FindPixelFormat(m_choices.Mode());
    c.reduction.palette = format != nullptr && format->UsesPalette() ? m_palette : std::vector<Rgb>{};
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
    // Greying depends on what the controls show, not on what greyed-out ones give.
    const std::span<const OptionBinding> bindings = OptionBindings();
    DeviceChoices shown = m_choices;
    for (std::size_t i = 0; i < bindings.size(); ++i) bindings[i].read(shown, ControlValue(bindings[i], m_bound[i]), true);
    for (std::size_t i = 0; i < bindings.size(); ++i) m_bound[i]->setEnabled(bindings[i].offered(shown));
    const PixelFormat* format = FindPixelFormat(m_choices.Mode());
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
