// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/dialogs/threshold_dlg.h"
#include "app/dialogs/zoom_dlg.h"
#include "app/framework/doc_template.h"
#include "app/framework/document.h"
#include "app/res/resource.h"
#include "core/messages.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

using namespace testing_support;

namespace {

TEST_F(AppTest, ImportAsksForABitmapAndReportsEachRefusalInOrder)
{
    WriteFile(dir.File("text.bmp"), {'h', 'e', 'l', 'l', 'o'});
    WriteFile(dir.File("eight.bmp"), BuildBmp(2, 2, PatternPixel, {.nBitCount = 8}));
    WriteFile(dir.File("good.bmp"), BuildBmp(2, 2, PatternPixel));
    struct Case {
        std::string file;
        std::vector<std::string> messages;
        int nLoaded;
    } const cases[] = {
        {"good.bmp", {}, 1},
        {"text.bmp", {msg::kBadBitmapFormat, msg::kCannotOpenBitmap}, 0},
        {"good.bmp", {}, 1},
        {"missing.bmp", {msg::kCannotOpenBitmap}, 0},
        {"eight.bmp", {msg::kNot24Bit}, 0},
    };
    for (const Case& c : cases) {
        dialogs.messages.clear();
        ImportThroughMenu(dir.File(c.file));
        EXPECT_EQ(dialogs.messages, c.messages) << c.file;
        EXPECT_EQ(ActiveDoc().m_bLoaded, c.nLoaded) << c.file;
    }
    ASSERT_FALSE(chooser.questions.empty());
    EXPECT_EQ(chooser.questions[0].strFilters, "Bitmap Files (*.bmp);;All Files (*)");
    EXPECT_EQ(chooser.questions[0].strDefaultExt, "bmp");
}

TEST_F(AppTest, PictureImportSitsBelowTheBmpOneOffersEveryReadableKindAndLeavesTheDocumentAsIt)
{
    const QList<QObject*> menus = Frame().Action(res::ID_IMPORT_BMP)->associatedObjects();
    ASSERT_FALSE(menus.isEmpty());
    const QList<QAction*> items = qobject_cast<QWidget*>(menus.front())->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[1], Frame().Action(res::ID_IMPORT_PICTURE));

    QImage picture(30, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("clear.png"))));
    WriteFile(dir.File("text.png"), {'h', 'i'});
    WriteFile(dir.File("good.bmp"), BuildBmp(2, 2, PatternPixel));
    Run(res::ID_COLOR_MONO);
    struct Case {
        int nCommand;
        std::string file;
        std::vector<std::string> messages;
        int nLoaded;
    } const cases[] = {
        {res::ID_IMPORT_PICTURE, "clear.png", {}, 1},
        {res::ID_IMPORT_PICTURE, "text.png", {msg::kBadBitmapFormat, msg::kCannotOpenBitmap}, 0},
        {res::ID_IMPORT_BMP, "good.bmp", {}, 1},
        {res::ID_IMPORT_PICTURE, "missing.png", {msg::kCannotOpenBitmap}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Enabled(res::ID_IMPORT_PICTURE)) << c.file;
        dialogs.messages.clear();
        chooser.answers.push_back(dir.File(c.file));
        Run(c.nCommand);
        EXPECT_EQ(dialogs.messages, c.messages) << c.file;
        EXPECT_EQ(ActiveDoc().m_bLoaded, c.nLoaded) << c.file;
        ASSERT_EQ(ActiveDoc().m_image.IsLoaded(), c.nLoaded == 1) << c.file;
        if (c.file != "clear.png") continue;
        EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(50, 30));
        // White, shown already reduced to the document's two colours.
        EXPECT_EQ(ActiveDoc().m_image.m_pDispBits[0], 255);
        EXPECT_EQ(ActiveDoc().m_nColorMode, ColorMode::Mono);
    }
    const std::string filters = chooser.questions.front().strFilters;
    EXPECT_TRUE(filters.starts_with("画像ﾌｧｲﾙ (*.")) << filters;
    for (const char* part : {"*.png", "*.gif", "*.jpg", "*.bmp", ";;PNG (*.png);;", ";;GIF (*.gif);;"})
        EXPECT_NE(filters.find(part), std::string::npos) << part << " in " << filters;
    EXPECT_TRUE(filters.ends_with(";;すべてのﾌｧｲﾙ (*)")) << filters;
}

TEST_F(AppTest, CancelledImportKeepsPictureModeAndScrollRange)
{
    WriteFile(dir.File("good.bmp"), BuildBmp(30, 10, PatternPixel));
    ImportThroughMenu(dir.File("good.bmp"));
    Run(res::ID_COLOR_MONO);
    const QSize range = ActiveView()->GetTotalSize();
    Run(res::ID_IMPORT_BMP);   // no answer scripted: cancelled
    chooser.answers.push_back(std::string());
    Run(res::ID_IMPORT_BMP);   // empty path
    EXPECT_EQ(ActiveDoc().m_bLoaded, 1);
    EXPECT_EQ(ActiveDoc().m_nColorMode, ColorMode::Mono);
    EXPECT_EQ(ActiveView()->GetTotalSize(), range);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AppTest, ScrollRangeFollowsThePictureAtTheDisplayMagnification)
{
    EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(640, 480));
    WriteFile(dir.File("p.bmp"), BuildBmp(100, 50, PatternPixel));
    struct Case {
        int nZoom;
        QSize range;
    } const cases[] = {{100, {120, 70}}, {250, {270, 145}}, {33, {53, 36}}};
    for (const Case& c : cases) {
        ActiveDoc().m_nViewZoom = c.nZoom;
        ImportThroughMenu(dir.File("p.bmp"));
        EXPECT_EQ(ActiveView()->GetTotalSize(), c.range) << c.nZoom;
    }
    // A refused file leaves the range as it was.
    ImportThroughMenu(dir.File("missing.bmp"));
    EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(53, 36));
}

TEST_F(AppTest, DocumentReadFromAFileStartsWithTheInitialScrollRange)
{
    WriteFile(dir.File("p.bmp"), BuildBmp(100, 50, PatternPixel));
    ImportThroughMenu(dir.File("p.bmp"));
    ASSERT_TRUE(ActiveDoc().OnSaveDocument(dir.File("p.tvx"), dialogs));
    ASSERT_NE(app.OpenDocumentFile(dir.File("p.tvx")), nullptr);
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("p.tvx"));
    EXPECT_EQ(ActiveDoc().m_bLoaded, 1);
    EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(640, 480));
}

// The picture as the view draws it for the given device, on white.
QImage DrawPage(const CTOVIXView& view, bool bPrinting, QSize page)
{
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.OnDraw(painter, bPrinting, image.rect());
    return image;
}

TEST_F(AppTest, PaperUsesThePrintMagnificationAndTheScreenTheDisplayOne)
{
    WriteFile(dir.File("red.bmp"), BuildBmp(10, 5, [](int, int) { return Rgb{255, 0, 0}; }));
    ImportThroughMenu(dir.File("red.bmp"));
    ActiveDoc().m_nViewZoom = 150;
    ActiveDoc().m_nPrintZoom = 300;
    struct Case {
        bool bPrinting;
        QSize covered;
    } const cases[] = {{false, {15, 7}}, {true, {30, 15}}};
    for (const Case& c : cases) {
        const QImage page = DrawPage(*ActiveView(), c.bPrinting, {40, 40});
        EXPECT_EQ(page.pixelColor(c.covered.width() - 1, c.covered.height() - 1), QColor(Qt::red));
        EXPECT_EQ(page.pixelColor(c.covered.width(), 0), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(0, c.covered.height()), QColor(Qt::white));
    }
}

TEST_F(AppTest, PrintingToAPdfFileWritesTheOnePage)
{
    WriteFile(dir.File("p.bmp"), BuildBmp(100, 50, PatternPixel));
    ImportThroughMenu(dir.File("p.bmp"));
    ActiveDoc().m_nPrintZoom = 400;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("out.pdf")));
    ASSERT_TRUE(ActiveView()->PrintTo(printer));
    QFile pdf(QString::fromStdString(dir.File("out.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    // Lossless: the picture is stored as its own 100 x 50 pixels, not as JPEG.
    EXPECT_TRUE(bytes.contains("/Width 100"));
    EXPECT_TRUE(bytes.contains("/Height 50"));
    EXPECT_FALSE(bytes.contains("/DCTDecode"));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint) ++nPaints;
        return false;
    }
};

// Each action leaves the scroll range as it was, so only the view's own
// request can bring the repaint.
TEST_F(AppTest, ViewRepaintsAfterEveryChangeToWhatItShows)
{
    WriteFile(dir.File("p.bmp"), BuildBmp(30, 20, PatternPixel));
    ImportThroughMenu(dir.File("p.bmp"));
    const auto answer = [this](int nId, bool bOk) {
        return [this, nId, bOk] {
            WatchForDialog([bOk](QWidget& dialog) {
                if (bOk) static_cast<QDialog&>(dialog).accept();
                return true;
            });
            Run(nId);
        };
    };
    const struct {
        const char* name;
        std::function<void()> action;
    } cases[] = {
        {"import", [this] { ImportThroughMenu(dir.File("p.bmp")); }},
        {"colour mode", [this] { Run(res::ID_COLOR_MONO); }},
        {"threshold OK", answer(res::ID_THRESHOLD, true)},
        {"threshold Cancel", answer(res::ID_THRESHOLD, false)},
        {"magnification OK", answer(res::ID_ZOOM, true)},
        {"magnification Cancel", answer(res::ID_ZOOM, false)},
        // The document no longer holds a picture; neither may the window.
        {"refused import", [this] { ImportThroughMenu(dir.File("missing.bmp")); }},
    };
    PaintCounter counter(*ActiveView()->viewport());
    for (const auto& c : cases) {
        Settle();
        counter.nPaints = 0;
        c.action();
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.nPaints > 0; }, 1000)) << c.name;
    }
}

TEST_F(AppTest, ADocumentWithoutAPicturePaintsNothing)
{
    const QImage page = DrawPage(*ActiveView(), false, {20, 20});
    EXPECT_EQ(page.pixelColor(0, 0), QColor(Qt::white));
}

} // namespace
