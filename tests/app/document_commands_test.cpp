// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/framework/doc_template.h"
#include "app/framework/document.h"
#include "app/recent_file_list.h"
#include "app/res/resource.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "testkit/doc_builder.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QStandardPaths>

#include <filesystem>

using namespace testing_support;

namespace {

TEST_F(AppTest, SaveThenOpenGivesBackPixelsModeThresholdsAndMagnifications)
{
    // Four pixels a row: no padding bytes, whose values a file does not keep.
    WriteFile(dir.File("p.bmp"), BuildBmp(4, 3, PatternPixel));
    ImportThroughMenu(dir.File("p.bmp"));
    CTOVIXDoc& saved = ActiveDoc();
    saved.m_nThresholdR = 10;
    saved.m_nThresholdG = 20;
    saved.m_nThresholdB = 30;
    Run(res::ID_COLOR_64);
    saved.m_nViewZoom = 250;
    saved.m_nPrintZoom = 40;

    dialogs.savePath = dir.File("saved.tvx");
    Run(res::ID_FILE_SAVE);   // untitled: asks for a name
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveQuestions[0].strInitialName, "TOVIX1");
    EXPECT_EQ(dialogs.saveQuestions[0].strDefaultExt, "tvx");
    EXPECT_EQ(dialogs.saveQuestions[0].strFilters, "TOVIX ﾌｧｲﾙ (*.tvx);;すべてのﾌｧｲﾙ (*)");
    EXPECT_TRUE(dialogs.saveQuestions[0].bConfirmOverwrite);
    EXPECT_EQ(ActiveView()->Frame()->windowTitle(), QStringLiteral("saved.tvx"));

    // A copy of the document to compare with: the file itself is open already.
    const std::string copy = dir.File("copy.tvx");
    std::filesystem::copy_file(dir.File("saved.tvx"), copy);
    chooser.answers.push_back(copy);
    Run(res::ID_FILE_OPEN);
    ASSERT_EQ(chooser.questions.back().strFilters, "TOVIX ﾌｧｲﾙ (*.tvx);;すべてのﾌｧｲﾙ (*)");
    CTOVIXDoc& opened = ActiveDoc();
    ASSERT_NE(&opened, &saved);
    ASSERT_TRUE(opened.m_image.IsLoaded());
    EXPECT_EQ(opened.m_bLoaded, 1);
    ASSERT_EQ(opened.m_image.GetWidth(), 4);
    ASSERT_EQ(opened.m_image.GetHeight(), 3);
    EXPECT_EQ(opened.m_nColorMode, ColorMode::Colors64);
    EXPECT_EQ(std::tie(opened.m_nThresholdR, opened.m_nThresholdG, opened.m_nThresholdB), std::tuple(10, 20, 30));
    EXPECT_EQ(std::tie(opened.m_nViewZoom, opened.m_nPrintZoom), std::tuple(250, 40));
    const std::size_t nBytes = static_cast<std::size_t>(saved.m_image.GetStride() * 3);
    EXPECT_TRUE(std::equal(opened.m_image.m_pSrcBits, opened.m_image.m_pSrcBits + nBytes, saved.m_image.m_pSrcBits));
    EXPECT_TRUE(std::equal(opened.m_image.m_pDispBits, opened.m_image.m_pDispBits + nBytes, saved.m_image.m_pDispBits));

    // Save again writes to the document's own path without asking.
    Run(res::ID_FILE_SAVE);
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
}

TEST_F(AppTest, AFailedSaveLeavesTheOldFileIntact)
{
    WriteFile(dir.File("small.bmp"), BuildBmp(2, 2, PatternPixel));
    ImportThroughMenu(dir.File("small.bmp"));
    dialogs.savePath = dir.File("kept.tvx");
    Run(res::ID_FILE_SAVE_AS);
    const std::vector<std::uint8_t> before = ReadFile(dir.File("kept.tvx"));
    ASSERT_EQ(before.size(), 34u + 4 * 4);

    // More pixels than a document file holds: refused before anything is written.
    WriteFile(dir.File("large.bmp"), BuildBmp(2049, 1024, PatternPixel));
    ImportThroughMenu(dir.File("large.bmp"));
    ASSERT_EQ(ActiveDoc().m_bLoaded, 1);
    Run(res::ID_FILE_SAVE);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kPictureTooLarge});
    EXPECT_EQ(ReadFile(dir.File("kept.tvx")), before);

    // Nor does a refused save under a new name give the document that name.
    dialogs.savePath = dir.File("other.tvx");
    Run(res::ID_FILE_SAVE_AS);
    EXPECT_FALSE(std::filesystem::exists(dir.File("other.tvx")));
    EXPECT_EQ(ActiveView()->GetDocument().GetPathName(), dir.File("kept.tvx"));
    EXPECT_EQ(ActiveView()->Frame()->windowTitle(), QStringLiteral("kept.tvx"));
    EXPECT_EQ(app.RecentFiles().Files().size(), 1);
}

TEST_F(AppTest, OpenedAndSavedFilesFillTheRecentFileListOfFour)
{
    Frame().UpdateCommandUI();
    QAction* pFirst = Frame().Action(res::ID_FILE_MRU_FILE1);
    EXPECT_EQ(pFirst->text(), QStringLiteral("最近使ったﾌｧｲﾙ"));
    EXPECT_FALSE(pFirst->isEnabled());

    for (int i = 1; i <= 5; ++i) {
        dialogs.savePath = dir.File("f" + std::to_string(i) + ".tvx");
        Run(res::ID_FILE_SAVE_AS);
    }
    ASSERT_EQ(app.RecentFiles().Files().size(), 4);
    Frame().UpdateCommandUI();
    const QString newest = QFileInfo(QString::fromStdString(dir.File("f5.tvx"))).absoluteFilePath();
    EXPECT_EQ(pFirst->text(), QStringLiteral("&1 ") + newest);
    EXPECT_TRUE(Frame().Action(res::ID_FILE_MRU_LAST)->isVisible());

    // Another run of the program reads the same list.
    CRecentFileList reread;
    reread.Load();
    EXPECT_EQ(reread.Files(), app.RecentFiles().Files());

    // Choosing an entry opens it; one whose file is gone leaves the list.
    Run(res::ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("f4.tvx"));
    std::remove(dir.File("f3.tvx").c_str());
    dialogs.messages.clear();
    Run(res::ID_FILE_MRU_FILE1 + 2);   // f4, f5, f3, f2
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kCannotOpenDocument});
    EXPECT_EQ(app.RecentFiles().Files().size(), 3);
    EXPECT_FALSE(app.RecentFiles().Files().contains(QFileInfo(QString::fromStdString(dir.File("f3.tvx"))).absoluteFilePath()));
}

TEST_F(AppTest, ADroppedPictureOfAnyReadableKindIsImportedIntoANewDocument)
{
    WriteFile(dir.File("drop.BMP"), BuildBmp(6, 4, PatternPixel));
    QImage red(7, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    // Content decides when the name is wrong.
    ASSERT_TRUE(red.save(QString::fromStdString(dir.File("drop.Gif")), "png"));
    const struct {
        const char* file;
        const char* title;
        QSize range;
    } drops[] = {{"drop.BMP", "TOVIX2", {26, 24}}, {"drop.Gif", "TOVIX3", {27, 23}}};
    for (const auto& d : drops) {
        app.OpenDroppedFile(dir.File(d.file));
        EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QString::fromUtf8(d.title));
        EXPECT_EQ(ActiveDoc().m_bLoaded, 1) << d.file;
        EXPECT_EQ(ActiveView()->GetTotalSize(), d.range) << d.file;
    }

    dialogs.savePath = dir.File("drop.tvx");
    Run(res::ID_FILE_SAVE);
    app.OpenDroppedFile(dir.File("drop.tvx"));
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("drop.tvx"));
    EXPECT_EQ(app.DocTemplate().DocumentCount(), 3u) << "already open";
}

TEST_F(AppTest, OpeningAFileThatIsOpenActivatesItsWindowInsteadOfACopy)
{
    dialogs.savePath = dir.File("a.tvx");
    Run(res::ID_FILE_SAVE);
    CDocument& doc = ActiveView()->GetDocument();
    Run(res::ID_FILE_NEW);
    QMdiSubWindow* pOther = ActiveView()->Frame();
    const std::string spellings[] = {dir.File("a.tvx"), dir.File("./a.tvx")};
    for (const std::string& path : spellings) {
        Frame().MdiArea()->setActiveSubWindow(pOther);
        chooser.answers.push_back(path);
        Run(res::ID_FILE_OPEN);
        EXPECT_EQ(app.DocTemplate().DocumentCount(), 2u) << path;
        EXPECT_EQ(&ActiveView()->GetDocument(), &doc) << path;
    }
}

TEST_F(AppTest, SendMailFollowsWhetherTheMailHelperIsInstalled)
{
    const bool bInstalled = !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();
    EXPECT_EQ(Enabled(res::ID_FILE_SEND_MAIL), bInstalled);
}

TEST(CommandLineTest, StartsWithAFileTheSplashOrAPrintJob)
{
    struct Case {
        QStringList arguments;
        bool bValid;
        std::string file, print;
        bool bSplash;
    } const cases[] = {
        {{"tovix"}, true, "", "", true},
        {{"tovix", "a.tvx"}, true, "a.tvx", "", true},
        {{"tovix", "--no-splash", "a.tvx"}, true, "a.tvx", "", false},
        {{"tovix", "--print", "b.tvx"}, true, "", "b.tvx", false},
        {{"tovix", "a.tvx", "b.tvx"}, false, "", "", false},
        {{"tovix", "--frobnicate"}, false, "", "", false},
    };
    for (const Case& c : cases) {
        QString error;
        const std::optional<CCommandLineInfo> info = ParseCommandLine(c.arguments, &error);
        ASSERT_EQ(info.has_value(), c.bValid) << c.arguments.join(' ').toStdString();
        if (!info) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        EXPECT_EQ(info->strFileName, c.file);
        EXPECT_EQ(info->strPrintFile, c.print);
        EXPECT_EQ(info->bShowSplash, c.bSplash);
    }
    EXPECT_TRUE(AsksForHelpOrVersion({"tovix", "--help"}));
    EXPECT_TRUE(AsksForHelpOrVersion({"tovix", "--version"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"tovix", "a.tvx"}));
}

// What the program does with a document named on its command line: opens
// it, or prints it and ends, with exit status 1 when it cannot be read.
TEST(CommandLineTest, OpensOrPrintsTheNamedDocument)
{
    TempDir dir;
    RecordingDialogs dialogs;
    ScriptedChooser chooser;
    const auto saved = MakeDocument(7, 3, ColorMode::Colors64, [](int i) { return 0x030201u * static_cast<std::uint32_t>(i); });
    ASSERT_TRUE(WriteDocumentFile(*saved, dir.File("pic.tvx"), dialogs));
    const std::string pdf = dir.File("out.pdf");
    const struct {
        QStringList arguments;
        bool bRuns;
        int nExitCode;
        std::vector<std::string> messages;
        bool bPrinted;
    } cases[] = {
        {{"tovix", QString::fromStdString(dir.File("pic.tvx"))}, true, 0, {}, false},
        {{"tovix", QString::fromStdString(dir.File("none.tvx"))}, false, 1, {msg::kCannotOpenDocument}, false},
        {{"tovix", "--print", QString::fromStdString(dir.File("pic.tvx"))}, false, 0, {}, true},
        {{"tovix", "--print", QString::fromStdString(dir.File("none.tvx"))}, false, 1, {msg::kCannotOpenDocument}, false},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        dialogs.messages.clear();
        std::filesystem::remove(pdf);
        QString error;
        std::optional<CCommandLineInfo> info = ParseCommandLine(c.arguments, &error);
        ASSERT_TRUE(info) << name;
        info->bShowSplash = false;
        CTOVIXApp app(dialogs, chooser);
        app.Printer().setOutputFormat(QPrinter::PdfFormat);
        app.Printer().setOutputFileName(QString::fromStdString(pdf));

        EXPECT_EQ(app.InitInstance(*info), c.bRuns) << name;
        EXPECT_EQ(app.ExitCode(), c.nExitCode) << name;
        EXPECT_EQ(dialogs.messages, c.messages) << name;
        QFile printed(QString::fromStdString(pdf));
        EXPECT_EQ(printed.open(QIODevice::ReadOnly) && printed.readAll().contains("/Width 7"), c.bPrinted) << name;
        if (!c.bRuns) continue;
        ASSERT_EQ(app.DocTemplate().DocumentCount(), 1u) << name;
        const auto* pView = qobject_cast<CTOVIXView*>(app.MainFrame()->GetActiveView());
        ASSERT_NE(pView, nullptr) << name;
        EXPECT_EQ(pView->GetDocument().GetTitle(), QStringLiteral("pic.tvx"));
        EXPECT_EQ(pView->GetTOVIXDoc().m_nWidth, 7);
        EXPECT_EQ(pView->GetTOVIXDoc().m_nColorMode, ColorMode::Colors64);
    }
}

} // namespace
