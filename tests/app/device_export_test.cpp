// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/device/device_render.h"
#include "app/device/document_choices.h"
#include "testkit/doc_builder.h"
#include "app/device/preview_canvas.h"
#include "app/device/preview_worker.h"
#include "app/dialogs/device_export_dlg.h"
#include "app/res/device_strings.h"
#include "app/res/resource.h"
#include "core/export_settings.h"
#include "core/file_write.h"
#include "core/pixel_encoder.h"
#include "export/export_format.h"
#include "export/export_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace testing_support;

namespace {

// What a case sets in the dialog: combo boxes by object name and the text
// of the item to choose, check boxes by name.
struct Setting {
    const char* pszBox;
    const char* pszItem;
};

class DeviceExportTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // Smooth ramps, so that every dithering leaves its own pattern.
        WriteFile(dir.File("ramp.bmp"), BuildBmp(37, 23, [](int x, int y) {
            return testing_support::Rgb{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
                       static_cast<std::uint8_t>(255 - x * 3 - y * 2)};
        }));
        ImportThroughMenu(dir.File("ramp.bmp"));
    }

    static void Apply(CDeviceExportDlg& dialog, const std::vector<Setting>& settings)
    {
        for (const Setting& setting : settings) {
            const QString item = QString::fromUtf8(setting.pszItem);
            if (auto* pBox = dialog.findChild<QComboBox*>(setting.pszBox)) {
                const int nIndex = pBox->findText(item, Qt::MatchStartsWith);
                ASSERT_GE(nIndex, 0) << setting.pszBox << " has no " << setting.pszItem;
                pBox->setCurrentIndex(nIndex);
            } else if (auto* pCheck = dialog.findChild<QCheckBox*>(setting.pszBox)) {
                pCheck->setChecked(item == "on");
            } else if (auto* pSpin = dialog.findChild<QSpinBox*>(setting.pszBox)) {
                pSpin->setValue(item.toInt());
            } else if (auto* pButton = dialog.findChild<QPushButton*>(setting.pszBox)) {
                pButton->click();
            } else {
                FAIL() << "no control " << setting.pszBox;
            }
        }
    }

    // The file the dialog wrote, read back as --decode reads it.
    ReadError Decoded(const std::string& file, PictureBuffer& decoded)
    {
        const std::vector<std::uint8_t> bytes = ReadFile(dir.File(file));
        return ReadExportText({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, decoded);
    }

    // The pixels an image shows in another colour than the decoded file holds.
    static int DifferingPixels(const PictureBuffer& decoded, const QImage& shown)
    {
        int nDiffering = 0;
        for (int y = 0; y < decoded.nHeight; ++y)
            for (int x = 0; x < decoded.nWidth; ++x) {
                const std::uint32_t packed = decoded.pixels[static_cast<std::size_t>(y * decoded.nWidth + x)];
                nDiffering += shown.pixel(x, y) != qRgb(packed & 0xFF, packed >> 8 & 0xFF, packed >> 16 & 0xFF);
            }
        return nDiffering;
    }

    // Waits for the preview of the settings made so far.
    static bool WaitForPreview(CDeviceExportDlg& dialog)
    {
        return QTest::qWaitFor([&] { return !dialog.Worker().Busy() && dialog.Worker().Latest(); }, 20000);
    }

    // Runs the command, makes the settings over those the view kept from the
    // last time, keeps the preview, and exports to the file.
    QImage ExportThroughDialog(const std::vector<Setting>& settings, const std::string& file)
    {
        static const std::vector<Setting> kDefaults = {{"target", "ｶｽﾀﾑ"}, {"fileKind", "C"},  {"dither", "なし"},
                                                       {"monoRule", "RGB"},  {"round", "off"},   {"trim", "off"},
                                                       {"rotate", "なし"},   {"flip", "なし"},   {"resize", "off"},
                                                       {"header", "off"},    {"paletteFormat", "RGB888"}};
        QImage preview;
        dialogs.savePath = dir.File(file);
        OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
            Apply(dialog, kDefaults);
            Apply(dialog, settings);
            if (!WaitForPreview(dialog)) return;
            preview = dialog.Canvas().Picture().copy();
            dialog.accept();
        });
        Run(res::ID_EXPORT_DEVICE);
        return preview;
    }
};

TEST_F(DeviceExportTest, CommandSitsBelowTheTwoExportsAndNeedsAPicture)
{
    const QList<QObject*> menus = Frame().Action(res::ID_EXPORT_FORMAT1)->associatedObjects();
    ASSERT_FALSE(menus.isEmpty());
    const QList<QAction*> items = qobject_cast<QWidget*>(menus.front())->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2], Frame().Action(res::ID_EXPORT_DEVICE));
    EXPECT_EQ(items[2]->text(), QString::fromUtf8("ﾃﾞﾊﾞｲｽ用ｴｸｽﾎﾟｰﾄ(&D)..."));
    EXPECT_TRUE(Enabled(res::ID_EXPORT_DEVICE));
    ImportThroughMenu(dir.File("missing.bmp"));
    EXPECT_FALSE(Enabled(res::ID_EXPORT_DEVICE));
}

// The preview is what the display will show: each pixel the colour of the
// value the written file holds for it, as --decode reads the file back.
TEST_F(DeviceExportTest, PreviewIsWhatTheWrittenFileDecodesTo)
{
    const struct {
        const char* file;
        std::vector<Setting> settings;
    } cases[] = {
        {"plain565.c", {{"format", "565"}}},
        {"mono_fs.c", {{"format", "mono"}, {"dither", "誤差拡散 (Floyd"}, {"packing", "ﾍﾟｰｼﾞ"}}},
        {"mono_lum.c", {{"format", "mono"}, {"monoRule", "明るさ"}, {"luminance", "90"}, {"dither", "組織的"}}},
        {"rgb332.c", {{"format", "256"}, {"round", "on"}, {"dither", "誤差拡散 (Atkinson"}, {"rotate", "右に90"}}},
        {"lvgl9.c", {{"target", "lvgl9"}, {"format", "565"}, {"dither", "組織的"}, {"flip", "上下"}}},
        {"u8g2.c", {{"target", "u8g2"}, {"dither", "誤差拡散 (Atkinson"}, {"resize", "on"}, {"width", "30"}, {"height", "30"}}},
        {"tft.c", {{"target", "tft-espi"}, {"rotate", "左に90"}}},
        {"grey4.c", {{"format", "grey4"}, {"dither", "誤差拡散 (Floyd"}}},
        {"index4.c", {{"format", "index4"}, {"flip", "左右"}}},
        {"index4_565.c", {{"format", "index4"}, {"paletteFormat", "RGB565"}, {"byteOrder", "ﾋﾞｯｸﾞ"}}},
        {"lvgl9_i2.c", {{"target", "lvgl9"}, {"format", "index2"}, {"dither", "組織的"}}},
        {"epaper.c", {{"target", "epaper"}}},
        {"epaper_fs.c", {{"target", "epaper"}, {"dither", "誤差拡散 (Floyd"}}},
        {"epaper_yellow.c", {{"target", "epaper-yellow"}, {"dither", "組織的"}, {"rotate", "右に90"}}},
    };
    // Thresholds of its own, which two colours by the channels must take in both.
    ActiveDoc().SetThresholds({90, 160, 200});
    for (const auto& c : cases) {
        const QImage preview = ExportThroughDialog(c.settings, c.file);
        ASSERT_FALSE(preview.isNull()) << c.file;
        PictureBuffer decoded;
        const ReadError error = Decoded(c.file, decoded);
        ASSERT_FALSE(error) << c.file << ": " << *error;
        ASSERT_EQ(QSize(decoded.nWidth, decoded.nHeight), preview.size()) << c.file;
        EXPECT_EQ(DifferingPixels(decoded, preview), 0) << c.file;
    }
}

// An option is offered exactly where the output format's row takes it.
TEST_F(DeviceExportTest, OnlyOptionsTheRowAndFormatTakeAreOffered)
{
    const struct {
        std::vector<Setting> settings;
        std::vector<const char*> enabled;
        std::vector<const char*> disabled;
    } cases[] = {
        {{{"format", "565"}}, {"byteOrder", "header", "round", "dither"}, {"rgbOrder", "bitOrder", "packing", "invert", "monoRule", "paletteFormat"}},
        {{{"format", "mono"}}, {"bitOrder", "packing", "invert", "monoRule", "dither"}, {"byteOrder", "rgbOrder", "round"}},
        {{{"format", "full"}}, {"rgbOrder"}, {"dither", "round", "byteOrder", "bitOrder"}},
        {{{"target", "lvgl9"}, {"format", "565"}}, {"dither", "header"}, {"byteOrder", "bitOrder", "packing", "rgbOrder", "invert"}},
        {{{"target", "ssd1306"}}, {"invert", "monoRule", "header"}, {"byteOrder", "packing"}},
        {{{"target", "xbm"}}, {"invert"}, {"header", "packing"}},
        {{{"target", "epaper"}}, {"dither", "header"}, {"round", "monoRule", "invert"}},
        {{{"format", "mono"}, {"monoRule", "明るさ"}}, {"luminance"}, {"paletteFile"}},
        {{{"format", "mono"}, {"monoRule", "RGB"}}, {}, {"luminance"}},
        {{{"format", "index2"}, {"paletteFormat", "RGB888"}}, {"paletteFile", "paletteFormat"}, {"paletteAuto", "luminance", "round", "byteOrder"}},
        {{{"format", "index2"}, {"paletteFormat", "RGB565"}}, {"byteOrder"}, {}},
        {{{"format", "index2"}, {"paletteFile", "click"}}, {"paletteAuto"}, {}},
        {{{"format", "index2"}, {"paletteFile", "click"}, {"paletteAuto", "click"}}, {"paletteFile"}, {"paletteAuto"}},
    };
    const std::string four = "#000000\n#ff0000\n00ff00\n#0000FF\n";
    WriteFile(dir.File("four.txt"), {four.begin(), four.end()});
    for (const auto& c : cases) {
        chooser.answers = {dir.File("four.txt")};
        OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
            Apply(dialog, c.settings);
            const std::string strCase = "case " + std::to_string(&c - cases);
            for (const char* name : c.enabled) EXPECT_TRUE(dialog.findChild<QWidget*>(name)->isEnabled()) << strCase << ": " << name;
            for (const char* name : c.disabled) EXPECT_FALSE(dialog.findChild<QWidget*>(name)->isEnabled()) << strCase << ": " << name;
        });
        Run(res::ID_EXPORT_DEVICE);
    }
}

TEST_F(DeviceExportTest, TargetsOfferOnlyTheirFormatsAndEveryTargetIsListed)
{
    OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
        auto* pTarget = dialog.findChild<QComboBox*>("target");
        auto* pFormat = dialog.findChild<QComboBox*>("format");
        for (const OutputFormat& row : OutputFormats()) {
            if (row.pszTarget == nullptr) continue;
            const int nIndex = pTarget->findText(QString::fromUtf8(row.pszTarget));
            ASSERT_GE(nIndex, 0) << row.pszTarget;
            pTarget->setCurrentIndex(nIndex);
            for (int i = 0; i < pFormat->count(); ++i)
                EXPECT_TRUE(row.TakesMode(static_cast<ColorMode>(pFormat->itemData(i).toInt()))) << row.pszTarget;
            EXPECT_EQ(dialog.Choices().settings.target, row.pszTarget);
        }
    });
    Run(res::ID_EXPORT_DEVICE);
}

// The view shows the chosen reduction as the export writes it; the six
// commands keep their check marks, and the status bar names the format.
TEST_F(DeviceExportTest, ViewShowsTheDitheredPictureAsExported)
{
    const CDibImage& image = ActiveDoc().m_image;
    const auto nDifferingFromView = [&](const QImage& preview) {
        int nDiffering = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x) {
                const std::uint8_t* p = image.m_pDispBits + (image.GetHeight() - 1 - y) * image.GetStride() + 3 * x;
                nDiffering += preview.pixel(x, y) != qRgb(p[2], p[1], p[0]);
            }
        return nDiffering;
    };
    // A panel's three inks, undithered, are a reduction of full colour all the same.
    const QImage inks = ExportThroughDialog({{"target", "epaper"}}, "inks.c");
    ASSERT_FALSE(inks.isNull());
    EXPECT_EQ(nDifferingFromView(inks), 0);
    Frame().UpdateCommandUI();
    EXPECT_EQ(Frame().Pane(Frame().m_nPicturePane)->text(), QString::fromUtf8("37×23 ﾋﾟｸｾﾙ  full (24ﾋﾞｯﾄ)  230 ﾊﾞｲﾄ"));

    Run(res::ID_COLOR_MONO);
    const QImage preview = ExportThroughDialog({{"format", "565"}, {"dither", "誤差拡散 (Floyd"}}, "view.c");
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(nDifferingFromView(preview), 0);
    EXPECT_EQ(Checked(res::ID_COLOR_16BPP), true);
    EXPECT_EQ(Checked(res::ID_COLOR_MONO), false);
    Frame().UpdateCommandUI();
    EXPECT_EQ(Frame().Pane(Frame().m_nPicturePane)->text(), QString::fromUtf8("37×23 ﾋﾟｸｾﾙ  565 (16ﾋﾞｯﾄ)  1702 ﾊﾞｲﾄ"));

    // A format beyond the six checks none of them, and the status bar names it.
    ExportThroughDialog({{"format", "grey4"}}, "grey.c");
    for (int nId : {res::ID_COLOR_MONO, res::ID_COLOR_64, res::ID_COLOR_256, res::ID_COLOR_15BPP, res::ID_COLOR_16BPP,
                    res::ID_COLOR_ORIGINAL})
        EXPECT_EQ(Checked(nId), false) << nId;
    Frame().UpdateCommandUI();
    EXPECT_EQ(Frame().Pane(Frame().m_nPicturePane)->text(), QString::fromUtf8("37×23 ﾋﾟｸｾﾙ  grey4 (4ﾋﾞｯﾄ)  437 ﾊﾞｲﾄ"));

    // A colour command brings the six modes' own reduction back.
    Run(res::ID_COLOR_16BPP);
    const std::uint8_t* p = image.m_pDispBits;
    ActiveDoc().ReduceDisplayedCopy();
    EXPECT_EQ(std::vector<std::uint8_t>(p, p + image.GetStride() * image.GetHeight()),
              std::vector<std::uint8_t>(image.m_pDispBits, image.m_pDispBits + image.GetStride() * image.GetHeight()));
}

// The view paints the picture trimmed, turned, flipped and resized as the
// export writes it, and the status bar gives the written size.
TEST_F(DeviceExportTest, ViewShowsTheShapedPictureAsExported)
{
    // The ramp inside a white border of 3 pixels, which the trim cuts off.
    WriteFile(dir.File("framed.bmp"), BuildBmp(43, 29, [](int x, int y) {
        const bool bBorder = x < 3 || y < 3 || x >= 40 || y >= 26;
        return bBorder ? testing_support::Rgb{255, 255, 255}
                       : testing_support::Rgb{static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 7), 40};
    }));
    ImportThroughMenu(dir.File("framed.bmp"));
    const struct {
        const char* file;
        std::vector<Setting> settings;
    } cases[] = {
        {"trimmed.c", {{"format", "565"}, {"trim", "on"}, {"rotate", "右に90"}}},
        {"resized.c", {{"format", "mono"}, {"dither", "誤差拡散 (Floyd"}, {"flip", "上下左右"}, {"resize", "on"}, {"width", "20"}, {"height", "20"}}},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(ExportThroughDialog(c.settings, c.file).isNull()) << c.file;
        PictureBuffer decoded;
        ASSERT_FALSE(Decoded(c.file, decoded)) << c.file;
        QImage painted(decoded.nWidth, decoded.nHeight, QImage::Format_RGB32);
        painted.fill(Qt::black);
        QPainter painter(&painted);
        ActiveView()->OnDraw(painter, false, painted.rect());
        painter.end();
        EXPECT_EQ(DifferingPixels(decoded, painted), 0) << c.file;
        Frame().UpdateCommandUI();
        EXPECT_TRUE(Frame().Pane(Frame().m_nPicturePane)->text().startsWith(QStringLiteral("%1×%2 ").arg(decoded.nWidth).arg(decoded.nHeight)))
            << c.file;
    }
    EXPECT_EQ(ActiveDoc().m_image.GetWidth(), 43) << "the document keeps its picture";
    Run(res::ID_COLOR_16BPP);
    Frame().UpdateCommandUI();
    EXPECT_TRUE(Frame().Pane(Frame().m_nPicturePane)->text().startsWith(QStringLiteral("43×29 ")))
        << "a colour command brings the document's own shape back";
    EXPECT_EQ(ActiveDoc().DeviceMode(), ColorMode::Rgb565);
    EXPECT_TRUE(ActiveDoc().ExportSettings().reduction.IsDefault()) << "and the six modes' own reduction";
    ExportThroughDialog({{"format", "grey4"}}, "grey.c");
    Run(res::ID_COLOR_MONO);
    EXPECT_EQ(ActiveDoc().DeviceMode(), ColorMode::Mono) << "a format beyond the six modes gives way too";
}

// Two colours go by brightness, so that red is black, until another rule is
// chosen; the document keeps a chosen rule and no other.
TEST_F(DeviceExportTest, TwoColoursGoByBrightnessUntilAnotherRuleIsChosen)
{
    WriteFile(dir.File("red.bmp"), BuildBmp(8, 1, [](int, int) { return testing_support::Rgb{255, 0, 0}; }));
    ImportThroughMenu(dir.File("red.bmp"));
    // Exports with the settings; the rule the dialog showed, and red's value in the file.
    const auto exportWith = [&](const std::vector<Setting>& settings, const std::string& file) {
        QString shown;
        dialogs.savePath = dir.File(file);
        OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
            Apply(dialog, settings);
            shown = dialog.findChild<QComboBox*>("monoRule")->currentText();
            if (WaitForPreview(dialog)) dialog.accept();
        });
        Run(res::ID_EXPORT_DEVICE);
        PictureBuffer decoded;
        const bool bRead = !Decoded(file, decoded) && !decoded.pixels.empty();
        return std::pair(shown, bRead ? static_cast<int>(decoded.pixels[0] & 0xFFFFFF) : -1);
    };
    const auto brightness = std::pair(QString::fromUtf8(res::str::device::kMonoLuminance), 0);
    const auto channels = std::pair(QString::fromUtf8(res::str::device::kMonoChannels), 0xFFFFFF);
    EXPECT_EQ(exportWith({{"target", "ｶｽﾀﾑ"}, {"format", "mono"}}, "plain.c"), brightness);
    EXPECT_FALSE(ActiveDoc().ExportSettings().reduction.monoRule) << "none chosen, none kept";
    EXPECT_EQ(exportWith({{"target", "u8g2"}}, "u8g2.c"), brightness);
    EXPECT_EQ(exportWith({{"monoRule", "RGB"}}, "channels.c"), channels);
    EXPECT_EQ(ActiveDoc().ExportSettings().reduction.monoRule, ReductionSettings::MonoRule::Channels);
    EXPECT_EQ(exportWith({}, "kept.c"), channels) << "a chosen rule stays chosen";
    EXPECT_EQ(exportWith({{"monoRule", "明るさ"}}, "chosen.c"), brightness);
    EXPECT_EQ(ActiveDoc().ExportSettings().reduction.monoRule, ReductionSettings::MonoRule::Luminance);
}

// What the dialog's boxes say reaches the document the export leaves behind.
TEST_F(DeviceExportTest, TheDialogsChoicesReachTheDocument)
{
    ExportThroughDialog({{"format", "mono"}, {"monoRule", "明るさ"}, {"luminance", "90"}, {"packing", "ﾍﾟｰｼﾞ"}, {"flip", "左右"}},
                        "mirrored.c");
    const ExportSettings& kept = ActiveDoc().ExportSettings();
    EXPECT_EQ(kept.reduction.nLuminanceThreshold, 90);
    EXPECT_EQ(kept.layout.packing, MonoPacking::Pages);
    EXPECT_TRUE(kept.geometry.bFlipHorizontal);
    EXPECT_FALSE(kept.geometry.bFlipVertical);
    ExportThroughDialog({{"format", "mono"}, {"flip", "上下"}, {"bitOrder", "上位"}, {"trim", "on"}}, "upside_down.c");
    EXPECT_FALSE(ActiveDoc().ExportSettings().geometry.bFlipHorizontal);
    EXPECT_TRUE(ActiveDoc().ExportSettings().geometry.bFlipVertical);
    EXPECT_TRUE(ActiveDoc().ExportSettings().geometry.bTrim);
    EXPECT_EQ(ActiveDoc().ExportSettings().layout.bitOrder, BitOrder::Msb);
    // A check box alone is a change too; no side asked for goes past a document's.
    ExportThroughDialog({{"format", "full"}, {"rgbOrder", "BGR"}, {"width", "5000"}, {"height", "10"}, {"fit", "全体を埋める"},
                         {"resize", "on"}},
                        "wide.c");
    const ExportSettings& wide = ActiveDoc().ExportSettings();
    EXPECT_EQ(wide.layout.rgbOrder, RgbOrder::Bgr);
    EXPECT_EQ(wide.geometry.nWidth, 4096);
    EXPECT_EQ(wide.geometry.nHeight, 10);
    EXPECT_EQ(wide.geometry.fit, ResizeFit::Fill);
}

// A palette file is read as the tool reads --palette: its colours are the
// export's. A file that is no palette is told and changes nothing.
TEST_F(DeviceExportTest, APaletteFileGivesTheExportsColours)
{
    const std::string four = "#000000\n#ff0000\n00ff00\n#0000FF\n";
    const std::string bad = "#000000\nteal\n";
    WriteFile(dir.File("four.txt"), {four.begin(), four.end()});
    WriteFile(dir.File("bad.txt"), {bad.begin(), bad.end()});
    chooser.answers = {dir.File("four.txt"), dir.File("bad.txt")};
    QString shown;
    dialogs.savePath = dir.File("four.c");
    OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
        Apply(dialog, {{"format", "index2"}, {"paletteFile", "click"}, {"paletteFile", "click"}});
        shown = dialog.findChild<QLabel*>("palette")->text();
        if (WaitForPreview(dialog)) dialog.accept();
    });
    Run(res::ID_EXPORT_DEVICE);
    EXPECT_TRUE(shown.contains(QStringLiteral("four.txt"))) << shown.toStdString() << ": the file kept after a bad one";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("bad.txt:2"), std::string::npos) << dialogs.messages[0];
    PictureBuffer decoded;
    ASSERT_FALSE(Decoded("four.c", decoded));
    const std::set<std::uint32_t> used(decoded.pixels.begin(), decoded.pixels.end());
    const std::set<std::uint32_t> palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    EXPECT_TRUE(std::includes(palette.begin(), palette.end(), used.begin(), used.end()));
    EXPECT_GT(used.size(), 2u);
}

// The raw output is what -f bin writes: the bytes the dialog counts, LVGL 9's after its 12-byte header.
TEST_F(DeviceExportTest, RawOutputHoldsTheCountedBytes)
{
    const struct {
        const char* file;
        std::vector<Setting> settings;
        std::size_t nBytes;
    } cases[] = {
        {"plain.bin", {{"format", "565"}, {"fileKind", "ﾊﾞｲﾅﾘ"}}, 37 * 23 * 2},
        {"lvgl.bin", {{"target", "lvgl9"}, {"format", "565"}, {"fileKind", "ﾊﾞｲﾅﾘ"}}, 12 + 37 * 23 * 2},
        // The palette comes first: 16 colours of 3 bytes, then 4 of 2.
        {"index4.bin", {{"target", "ｶｽﾀﾑ"}, {"format", "index4"}, {"fileKind", "ﾊﾞｲﾅﾘ"}}, 16 * 3 + 19 * 23},
        {"index2.bin", {{"target", "ｶｽﾀﾑ"}, {"format", "index2"}, {"paletteFormat", "RGB565"}, {"fileKind", "ﾊﾞｲﾅﾘ"}},
         4 * 2 + 10 * 23},
    };
    for (const auto& c : cases) {
        QString counted;
        dialogs.savePath = dir.File(c.file);
        OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
            Apply(dialog, c.settings);
            if (!WaitForPreview(dialog)) return;
            counted = dialog.findChild<QLabel*>("size")->text();
            dialog.accept();
        });
        Run(res::ID_EXPORT_DEVICE);
        EXPECT_EQ(dialogs.saveQuestions.back().strDefaultExt, "bin") << c.file;
        EXPECT_EQ(ReadFile(dir.File(c.file)).size(), c.nBytes) << c.file;
        EXPECT_TRUE(counted.contains(QStringLiteral("  %1 ").arg(c.nBytes))) << c.file << ": " << counted.toStdString();
    }
    EXPECT_EQ(ReadFile(dir.File("lvgl.bin")).at(0), 0x19) << "LVGL 9's magic";
}

// A save name that already ends in .h is the source: no header may overwrite it.
TEST_F(DeviceExportTest, ASourceNamedLikeItsHeaderIsNotOverwritten)
{
    ExportThroughDialog({{"format", "mono"}, {"header", "on"}}, "logo.h");
    PictureBuffer decoded;
    const ReadError error = Decoded("logo.h", decoded);
    EXPECT_FALSE(error) << *error;
}

// An existing file is replaced only when the user says so, header or not.
TEST_F(DeviceExportTest, AnExistingFileIsReplacedOnlyAfterAsking)
{
    WriteFile(dir.File("logo.c"), {'o', 'l', 'd'});
    ExportThroughDialog({{"format", "mono"}}, "logo.c");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], msg::kOverwriteQuestion);
    EXPECT_EQ(ReadFile(dir.File("logo.c")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    dialogs.bAnswerYes = true;
    ExportThroughDialog({{"format", "mono"}}, "logo.c");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(ReadFile(dir.File("logo.c")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

// Like the program's other dialogs, the frame offers no minimise or maximise.
// Alt and a letter reaches one control, not the first of two.
TEST_F(DeviceExportTest, EachAccessKeyLeadsToOneControl)
{
    OnNextDialog<CDeviceExportDlg>([](CDeviceExportDlg& dialog) {
        std::vector<QString> texts;
        for (const QLabel* pLabel : dialog.findChildren<QLabel*>()) texts.push_back(pLabel->text());
        for (const QAbstractButton* pButton : dialog.findChildren<QAbstractButton*>()) texts.push_back(pButton->text());
        std::set<QChar> keys;
        for (const QString& text : texts) {
            const qsizetype nAt = text.indexOf(QLatin1Char('&'));
            if (nAt < 0 || nAt + 1 >= text.size()) continue;
            EXPECT_TRUE(keys.insert(text[nAt + 1].toUpper()).second) << text.toStdString();
        }
        // A label's key moves the focus to its buddy, which must be able to take it.
        for (const QLabel* pLabel : dialog.findChildren<QLabel*>()) {
            if (!pLabel->text().contains(QLatin1Char('&'))) continue;
            EXPECT_TRUE(pLabel->buddy() != nullptr && pLabel->buddy()->focusPolicy() != Qt::NoFocus)
                << pLabel->text().toStdString();
        }
        EXPECT_GE(keys.size(), 20u);
    });
    Run(res::ID_EXPORT_DEVICE);
}

// With large type the settings are higher than the screen: they scroll,
// and the dialog with its buttons stays on the screen.
TEST_F(DeviceExportTest, OnALowScreenTheSettingsScrollAndTheButtonsStayOnIt)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 2);
    QApplication::setFont(large);
    OnNextDialog<CDeviceExportDlg>([](CDeviceExportDlg& dialog) {
        const QRect screen = dialog.screen()->availableGeometry();
        ASSERT_LT(screen.height(), dialog.sizeHint().height()) << "a screen high enough tests nothing";
        EXPECT_LE(dialog.height(), screen.height());
        const QWidget* pExport = dialog.findChild<QDialogButtonBox*>()->buttons().front();
        EXPECT_LE(pExport->mapTo(&dialog, pExport->rect().bottomRight()).y(), dialog.height());
        const auto* pSettings = dialog.findChild<QScrollArea*>(QStringLiteral("settings"));
        ASSERT_NE(pSettings, nullptr);
        EXPECT_TRUE(pSettings->verticalScrollBar()->isVisible());
        // However narrow the dialog is made, nothing is cut off at the side.
        dialog.resize(1, dialog.height());
        dialog.layout()->activate();
        EXPECT_GE(pSettings->viewport()->width(), pSettings->widget()->minimumSizeHint().width());
    });
    Run(res::ID_EXPORT_DEVICE);
    QApplication::setFont(normal);
}

TEST_F(DeviceExportTest, DialogHasTheFrameOfTheOtherDialogs)
{
    OnNextDialog<CDeviceExportDlg>([](CDeviceExportDlg& dialog) {
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    });
    Run(res::ID_EXPORT_DEVICE);
}

TEST_F(DeviceExportTest, StaleRendersAreDroppedAndOnlyTheNewestIsShown)
{
    CPreviewWorker worker(ActiveDoc().Captured());
    int nReady = 0;
    QObject::connect(&worker, &CPreviewWorker::Ready, [&] { ++nReady; });
    DeviceChoices choices;
    for (ColorMode mode : {ColorMode::Mono, ColorMode::Colors64, ColorMode::Colors256, ColorMode::Rgb555}) {
        choices.settings.mode = mode;
        worker.Request(choices);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker.Busy(); }, 20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(nReady, 1);
    ASSERT_TRUE(worker.Latest());
    EXPECT_EQ(worker.Latest()->render.picture.mode, ColorMode::Rgb555);
}

// The export writes the preview's render only when it is of the choices
// accepted: pressed before the newest preview is ready, it writes those
// choices, not the picture still shown.
TEST_F(DeviceExportTest, ExportPressedBeforeTheNewestPreviewWritesTheChoices)
{
    dialogs.savePath = dir.File("late.c");
    OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
        Apply(dialog, {{"target", "ｶｽﾀﾑ"}, {"fileKind", "C"}, {"format", "565"}});
        if (!WaitForPreview(dialog)) return;
        Apply(dialog, {{"format", "mono"}});
        dialog.accept();
    });
    Run(res::ID_EXPORT_DEVICE);
    PictureBuffer decoded;
    const ReadError error = Decoded("late.c", decoded);
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(decoded.mode, ColorMode::Mono);
}

// What the dialog writes builds as it is: a display library's source against
// the library's header, and a layout of one's own through its header.
TEST_F(DeviceExportTest, WrittenFilesCompile)
{
    ExportThroughDialog({{"target", "lvgl9"}, {"dither", "組織的"}}, "logo_lvgl.c");
    ExportThroughDialog({{"format", "mono"}, {"header", "on"}, {"packing", "ﾍﾟｰｼﾞ"}}, "logo_bytes.c");
    ASSERT_TRUE(FileExists(dir.File("logo_bytes.h")));
    const std::string strict = " -std=c99 -Wall -Wextra -pedantic -Werror -c -o /dev/null ";
    const std::string lvgl = "gcc" + strict + "-I " TOVIX_LVGL_DIR " -DLV_LVGL_H_INCLUDE_SIMPLE " + dir.File("logo_lvgl.c");
    EXPECT_EQ(std::system(lvgl.c_str()), 0) << lvgl;
    const std::string main = "#include \"logo_bytes.h\"\nint main(void) { return TOVIX1[0] == 1; }\n";
    WriteFile(dir.File("main.c"), {main.begin(), main.end()});
    const std::string bytes = "cd " + dir.Path() + " && gcc -std=c99 -Wall -Wextra -pedantic -Werror main.c logo_bytes.c -o prog";
    EXPECT_EQ(std::system(bytes.c_str()), 0) << bytes;
}

TEST_F(DeviceExportTest, DroppingSeveralPicturesOpensEachAsADocument)
{
    const std::size_t nBefore = Frame().MdiArea()->subWindowList().size();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.File("ramp.bmp"))),
                  QUrl::fromLocalFile(QString::fromStdString(dir.File("ramp.bmp")))});
    // As a drag does it: the window takes the drag in, then the drop.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &drop);
    Settle();
    const QList<QMdiSubWindow*> windows = Frame().MdiArea()->subWindowList();
    ASSERT_EQ(static_cast<std::size_t>(windows.size()), nBefore + 2);
    for (QMdiSubWindow* pWindow : windows.mid(static_cast<int>(nBefore)))
        EXPECT_TRUE(qobject_cast<CTOVIXView*>(pWindow->widget())->GetTOVIXDoc().HasPicture());
}

} // namespace

namespace {

// The document keeps what the dialog chose: a saved and reopened document
// shows its format and dithering and offers them again.
TEST_F(DeviceExportTest, TheDocumentKeepsTheChoices)
{
    ExportThroughDialog({{"target", "u8g2"}, {"dither", "組織的"}}, "kept.c");
    ExportThroughDialog({{"format", "grey4"}, {"dither", "誤差拡散 (Atkinson"}, {"fileKind", "ﾊﾞｲﾅﾘ"}, {"width", "30"},
                         {"height", "20"}, {"resize", "on"}},
                        "kept.bin");
    dialogs.bAnswerYes = true;
    dialogs.savePath = dir.File("kept.tvx");
    Run(res::ID_FILE_SAVE);
    Run(res::ID_FILE_CLOSE);
    Settle();
    ASSERT_NE(app.OpenDocumentFile(dir.File("kept.tvx")), nullptr);
    EXPECT_EQ(ActiveDoc().ExportSettings().mode, ColorMode::Grey4);
    Frame().UpdateCommandUI();
    EXPECT_TRUE(Frame().Pane(Frame().m_nPicturePane)->text().contains(QStringLiteral("grey4")));
    bool bSeen = false;
    OnNextDialog<CDeviceExportDlg>([&](CDeviceExportDlg& dialog) {
        bSeen = true;
        EXPECT_TRUE(dialog.findChild<QComboBox*>("format")->currentText().startsWith(QStringLiteral("grey4")));
        EXPECT_EQ(dialog.Choices().settings.reduction.dither, DitherMethod::Atkinson);
        EXPECT_EQ(dialog.findChild<QComboBox*>("fileKind")->currentIndex(), 1);
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("resize")->isChecked());
        EXPECT_EQ(dialog.findChild<QSpinBox*>("width")->value(), 30);
        EXPECT_EQ(dialog.findChild<QSpinBox*>("height")->value(), 20);
    });
    Run(res::ID_EXPORT_DEVICE);
    EXPECT_TRUE(bSeen);
}

// Each output choice the document keeps comes back as it was made.
TEST_F(DeviceExportTest, LayoutChoicesComeBackFromTheDocument)
{
    DeviceChoices chosen;
    ExportSettings& settings = chosen.settings;
    settings.target = "u8g2";
    settings.mode = ColorMode::Mono;
    settings.layout = EveryKeptLayoutOption();
    settings.name = "logo";
    settings.bHeader = true;
    settings.format = ExportFormat::Bin;
    settings.geometry.bTrim = true;
    ActiveDoc().SetExportSettings(settings);
    EXPECT_EQ(ChoicesOf(ActiveDoc()).settings, settings);
    // The six modes' formats come back as the bytes the dialog writes.
    settings.target.clear();
    settings.format = ExportFormat::Format2;
    ActiveDoc().SetExportSettings(settings);
    EXPECT_EQ(ChoicesOf(ActiveDoc()).settings.format, ExportFormat::Bytes);
}

// The flash a library's array takes, counted as its raw form: LVGL 9's with
// its 12-byte header; more bytes than one write of a file's buffer.
TEST(DeviceRenderTest, FlashBytesAreWhatTheLibrarysRawFormHolds)
{
    const std::vector<std::uint32_t> pixels(100 * 50, 0x336699);
    const CapturedPicture source{100, 50, ColorMode::Full, {128, 128, 128}, pixels, {}};
    const struct {
        const char* target;
        ColorMode mode;
        std::int64_t nBytes;
    } cases[] = {
        {nullptr, ColorMode::Rgb565, 10000},
        {"u8g2", ColorMode::Mono, 13 * 50},
        {"lvgl9", ColorMode::Rgb565, 12 + 10000},
    };
    for (const auto& c : cases) {
        DeviceChoices choices;
        choices.settings.target = c.target != nullptr ? c.target : "";
        choices.settings.mode = c.mode;
        EXPECT_EQ(RenderForDevice(source, choices).nFlashBytes, c.nBytes) << (c.target ? c.target : "custom");
    }
}

// Without dithering every pixel shows as the format's encoder and decoder
// make it, and a picture large enough to be encoded and shown in two halves
// at once shows each pixel as a small picture of the same colours does.
TEST(DeviceRenderTest, ALargePictureShowsEveryPixelAsASmallOneDoes)
{
    constexpr int kTile = 37;
    constexpr int kSide = kTile * 30;
    std::vector<std::uint32_t> tile(kTile * kTile);
    for (std::size_t i = 0; i < tile.size(); ++i) tile[i] = static_cast<std::uint32_t>(i * 2654435761u + 0x5A3C96) & 0xFFFFFF;
    std::vector<std::uint32_t> large(static_cast<std::size_t>(kSide) * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) large[static_cast<std::size_t>(y) * kSide + x] = tile[(y % kTile) * kTile + x % kTile];
    const CapturedPicture small{kTile, kTile, ColorMode::Full, {100, 128, 160}, tile, {}};
    const CapturedPicture big{kSide, kSide, ColorMode::Full, {100, 128, 160}, large, {}};
    for (ColorMode mode : {ColorMode::Mono, ColorMode::Colors64, ColorMode::Rgb565}) {
        DeviceChoices choices;
        choices.settings.mode = mode;
        // The six modes' encoder takes two colours by the channels.
        choices.settings.reduction.monoRule = ReductionSettings::MonoRule::Channels;
        const DeviceRender smallRender = RenderForDevice(small, choices);
        const DeviceRender bigRender = RenderForDevice(big, choices);
        std::vector<std::uint32_t> smallShown(tile.size(), 0xFFFFFFFF);
        std::vector<std::uint32_t> bigShown(large.size(), 0xFFFFFFFF);
        smallRender.ShownPixels(smallShown);
        bigRender.ShownPixels(bigShown);
        const PixelEncoder encoder(mode, small.thresholds);
        int nWrong = 0;
        for (std::size_t i = 0; i < tile.size(); ++i) nWrong += smallShown[i] != DecodedPixel(mode, encoder.Encode(tile[i]));
        EXPECT_EQ(nWrong, 0) << static_cast<int>(mode);
        int nDiffering = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                nDiffering += bigShown[static_cast<std::size_t>(y) * kSide + x] != smallShown[(y % kTile) * kTile + x % kTile];
        EXPECT_EQ(nDiffering, 0) << static_cast<int>(mode);
    }
}

// Turned or flipped, each pixel keeps all three channels.
TEST(DeviceRenderTest, ShapedPixelsKeepEveryChannel)
{
    const std::vector<std::uint32_t> pixels = {0x112233, 0x445566};
    DeviceChoices choices;
    choices.settings.mode = ColorMode::Full;
    choices.settings.geometry.bFlipHorizontal = true;
    const DeviceRender render = RenderForDevice({2, 1, ColorMode::Full, {128, 128, 128}, pixels, {}}, choices);
    std::vector<std::uint32_t> shown(2);
    render.ShownPixels(shown);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{0x445566, 0x112233}));
}

} // namespace
