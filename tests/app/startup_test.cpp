// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/framework/doc_template.h"
#include "app/framework/document.h"
#include "app/res/commands.h"
#include "app/res/resource.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace testing_support;

namespace {

QStringList MenuTitles(const QMainWindow& frame)
{
    QStringList titles;
    for (const QAction* pAction : frame.menuBar()->actions()) titles << pAction->text();
    return titles;
}

TEST_F(AppTest, StartsWithOneNewDocumentTitledTovix1UnderTheDocumentMenu)
{
    ASSERT_NE(ActiveView(), nullptr);
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("TOVIX1"));
    EXPECT_EQ(ActiveView()->Frame()->windowTitle(), QStringLiteral("TOVIX1"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("TOVIX - TOVIX1"));
    EXPECT_EQ(Frame().CurrentMenuId(), res::IDR_TOVIXTYPE);
    EXPECT_EQ(MenuTitles(Frame()), (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
}

TEST_F(AppTest, ClosingTheLastWindowShowsTheNoDocumentMenuWithTheHomePageDisabled)
{
    EXPECT_TRUE(Enabled(res::ID_HOMEPAGE));
    Run(res::ID_FILE_CLOSE);
    Settle();
    Frame().UpdateCommandUI();
    EXPECT_EQ(app.DocTemplate().DocumentCount(), 0u);
    EXPECT_EQ(Frame().CurrentMenuId(), res::IDR_MAINFRAME);
    EXPECT_EQ(MenuTitles(Frame()), (QStringList{"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_FALSE(Frame().Action(res::ID_HOMEPAGE)->isEnabled());
    EXPECT_TRUE(Frame().Action(res::ID_APP_ABOUT)->isEnabled());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("TOVIX"));

    Run(res::ID_FILE_NEW);
    EXPECT_EQ(Frame().CurrentMenuId(), res::IDR_TOVIXTYPE);
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("TOVIX2"));
}

TEST_F(AppTest, EditCommandsTheirButtonsAndAcceleratorsAreAlwaysDisabled)
{
    const int kEdit[] = {res::ID_EDIT_UNDO, res::ID_EDIT_CUT, res::ID_EDIT_COPY, res::ID_EDIT_PASTE};
    for (const int nId : kEdit) {
        Frame().UpdateCommandUI();
        EXPECT_FALSE(Frame().Action(nId)->isEnabled()) << nId;
    }
    const QToolBar* pToolBar = Frame().findChild<QToolBar*>();
    ASSERT_NE(pToolBar, nullptr);
    int nButtons = 0;
    for (QAction* pAction : pToolBar->actions()) {
        if (pAction->isSeparator()) continue;
        ++nButtons;
        EXPECT_EQ(pAction->isEnabled(), pAction != Frame().Action(res::ID_EDIT_CUT) &&
                                            pAction != Frame().Action(res::ID_EDIT_COPY) &&
                                            pAction != Frame().Action(res::ID_EDIT_PASTE));
    }
    EXPECT_EQ(nButtons, 8);
    EXPECT_EQ(Frame().Action(res::ID_EDIT_COPY)->toolTip(), QStringLiteral("ｺﾋﾟｰ"));

    // Keys: Ctrl+N works, in the frame and in a document window; the edit keys and F6 do nothing.
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app.DocTemplate().DocumentCount(), 2u);
    ActiveView()->setFocus();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app.DocTemplate().DocumentCount(), 3u);
    for (const res::Command& command : res::Commands()) {
        if (command.nId == res::ID_FILE_NEW || command.nId == res::ID_FILE_OPEN || command.nId == res::ID_FILE_SAVE ||
            command.nId == res::ID_FILE_PRINT)
            continue;
        for (const QKeySequence& keys : command.keys) {
            QTest::keySequence(&Frame(), keys);
            EXPECT_EQ(app.DocTemplate().DocumentCount(), 3u) << keys.toString().toStdString();
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
}

TEST_F(AppTest, EveryMenuItemShowsItsLabelAndPrompt)
{
    for (const int nMenu : {res::IDR_MAINFRAME, res::IDR_TOVIXTYPE})
        for (const res::MenuItem& item : res::Menu(nMenu)) {
            if (item.kind != res::MenuItemKind::Command || item.nId == res::ID_FILE_MRU_FILE1) continue;
            const res::Command* pCommand = res::FindCommand(item.nId);
            ASSERT_NE(pCommand, nullptr) << item.nId;
            EXPECT_EQ(Frame().Action(item.nId)->text(), QString::fromUtf8(pCommand->pszLabel));
            EXPECT_EQ(Frame().Action(item.nId)->shortcuts(), pCommand->keys) << item.nId;
            const QString prompt = QString::fromUtf8(pCommand->pszPrompt != nullptr ? pCommand->pszPrompt : "");
            EXPECT_EQ(Frame().Action(item.nId)->statusTip(), prompt.section(QLatin1Char('\n'), 0, 0));
        }
    // A menu shows an action's label and, after a tab, its first key as NativeText.
    const std::pair<int, const char*> shown[] = {
        {res::ID_FILE_NEW, "新規作成(&N)\tCtrl+N"}, {res::ID_FILE_OPEN, "開く(&O)...\tCtrl+O"},
        {res::ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S"}, {res::ID_FILE_PRINT, "印刷(&P)...\tCtrl+P"},
        {res::ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z"},   {res::ID_EDIT_CUT, "切り取り(&T)\tCtrl+X"},
        {res::ID_EDIT_COPY, "ｺﾋﾟｰ(&C)\tCtrl+C"},      {res::ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V"},
    };
    for (const auto& [nId, pszShown] : shown) {
        const QAction* pAction = Frame().Action(nId);
        EXPECT_EQ(pAction->text() + QLatin1Char('\t') + pAction->shortcut().toString(QKeySequence::NativeText),
                  QString::fromUtf8(pszShown));
    }
    EXPECT_EQ(Frame().Action(res::ID_FILE_SAVE)->statusTip(), QStringLiteral("作業中のﾌｧｲﾙを上書きして保存"));
}

TEST_F(AppTest, ColourModeCommandsMoveTheCheckMarkWithAndWithoutAPicture)
{
    struct Case {
        int nId;
        ColorMode mode;
    } const cases[] = {
        {res::ID_COLOR_16BPP, ColorMode::Rgb565},   {res::ID_COLOR_15BPP, ColorMode::Rgb555},
        {res::ID_COLOR_256, ColorMode::Colors256},  {res::ID_COLOR_64, ColorMode::Colors64},
        {res::ID_COLOR_MONO, ColorMode::Mono},      {res::ID_COLOR_ORIGINAL, ColorMode::Full},
    };
    auto checkMarks = [&](int nExpected) {
        for (const Case& c : cases) {
            EXPECT_TRUE(Enabled(c.nId));
            EXPECT_EQ(Checked(c.nId), std::optional<bool>(c.nId == nExpected)) << c.nId;
        }
    };
    checkMarks(res::ID_COLOR_ORIGINAL);
    for (const Case& c : cases) {
        Run(c.nId);
        EXPECT_EQ(ActiveDoc().m_nColorMode, c.mode);
        checkMarks(c.nId);
    }

    // With a picture the displayed copy follows the mode.
    WriteFile(dir.File("white.bmp"), BuildBmp(3, 2, [](int, int) { return Rgb{255, 255, 255}; }));
    ImportThroughMenu(dir.File("white.bmp"));
    ASSERT_EQ(ActiveDoc().m_bLoaded, 1);
    Run(res::ID_COLOR_256);
    checkMarks(res::ID_COLOR_256);
    const std::uint8_t* pPixel = ActiveDoc().m_image.m_pDispBits;
    EXPECT_EQ((std::vector<int>{pPixel[0], pPixel[1], pPixel[2]}), (std::vector<int>{0xC0, 0xE0, 0xE0}));

    // A mode no command stands for marks none.
    ActiveDoc().m_nColorMode = static_cast<ColorMode>(7);
    for (const Case& c : cases) EXPECT_EQ(Checked(c.nId), std::optional<bool>(false));
}

TEST_F(AppTest, MagnificationIsEnabledExactlyWhileThePictureIsLoaded)
{
    EXPECT_FALSE(Enabled(res::ID_ZOOM));
    WriteFile(dir.File("p.bmp"), BuildBmp(4, 4, PatternPixel));
    ImportThroughMenu(dir.File("p.bmp"));
    EXPECT_TRUE(Enabled(res::ID_ZOOM));
    ImportThroughMenu(dir.File("missing.bmp"));
    EXPECT_FALSE(Enabled(res::ID_ZOOM));
}

TEST_F(AppTest, ExportAndThresholdCommandsAreEnabledWithOrWithoutAPicture)
{
    for (const int nId : {res::ID_EXPORT_FORMAT1, res::ID_EXPORT_FORMAT2, res::ID_THRESHOLD})
        EXPECT_TRUE(Enabled(nId)) << nId;
}

TEST_F(AppTest, NewWindowShowsTheSameDocumentAndNumbersTheCaptions)
{
    CDocument& doc = ActiveView()->GetDocument();
    Run(res::ID_WINDOW_NEW);
    ASSERT_EQ(doc.Views().size(), 2u);
    EXPECT_EQ(&ActiveView()->GetDocument(), &doc);
    EXPECT_EQ(doc.Views()[0]->Frame()->windowTitle(), QStringLiteral("TOVIX1:1"));
    EXPECT_EQ(doc.Views()[1]->Frame()->windowTitle(), QStringLiteral("TOVIX1:2"));
    Run(res::ID_WINDOW_CASCADE);
    Run(res::ID_WINDOW_TILE_HORZ);
    doc.Views()[1]->Frame()->close();
    Settle();
    ASSERT_EQ(doc.Views().size(), 1u);
    EXPECT_EQ(doc.Views()[0]->Frame()->windowTitle(), QStringLiteral("TOVIX1"));
}

TEST_F(AppTest, TileStacksTheWindowsOneAboveTheOtherEachAsWideAsTheArea)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    Run(res::ID_FILE_NEW);
    Run(res::ID_FILE_NEW);
    Run(res::ID_FILE_NEW);
    QList<QMdiSubWindow*> windows = Frame().MdiArea()->subWindowList();
    QMdiSubWindow* pMinimised = windows.takeLast();
    pMinimised->showMinimized();
    windows.front()->showMaximized();
    ASSERT_TRUE(pMinimised->isMinimized());
    Run(res::ID_WINDOW_TILE_HORZ);
    EXPECT_TRUE(pMinimised->isMinimized()) << "a minimised window stays minimised";
    const QRect area = Frame().MdiArea()->viewport()->rect();
    int nTop = 0;
    for (const QMdiSubWindow* pSub : windows) {
        EXPECT_FALSE(pSub->isMaximized());
        EXPECT_EQ(pSub->x(), 0);
        EXPECT_EQ(pSub->width(), area.width());
        EXPECT_EQ(pSub->y(), nTop) << "each below the one before, none overlapping";
        nTop = pSub->geometry().bottom() + 1;
    }
    EXPECT_EQ(nTop, area.height());
}

TEST_F(AppTest, ArrangeIconsLinesTheMinimisedWindowsUpAlongTheBottom)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    Run(res::ID_FILE_NEW);
    Run(res::ID_FILE_NEW);
    const QList<QMdiSubWindow*> windows = Frame().MdiArea()->subWindowList();
    for (QMdiSubWindow* pSub : {windows[0], windows[2]}) {
        pSub->showMinimized();
        pSub->move(40, 30);
    }
    const QRect open = windows[1]->geometry();
    Run(res::ID_WINDOW_ARRANGE);
    const int nBottom = Frame().MdiArea()->viewport()->height();
    EXPECT_EQ(windows[0]->pos(), QPoint(0, nBottom - windows[0]->height()));
    EXPECT_EQ(windows[2]->pos(), QPoint(windows[0]->width(), nBottom - windows[2]->height()));
    EXPECT_EQ(windows[1]->geometry(), open) << "a window that is not minimised stays where it is";
}

TEST_F(AppTest, WindowMenuListsTheDocumentWindowsAndActivatesTheChosenOne)
{
    Run(res::ID_FILE_NEW);
    Run(res::ID_WINDOW_NEW);
    QMenu* pWindowMenu = nullptr;
    for (QAction* pAction : Frame().menuBar()->actions())
        if (pAction->text() == QString::fromUtf8("ｳｨﾝﾄﾞｳ(&W)")) pWindowMenu = pAction->menu();
    ASSERT_NE(pWindowMenu, nullptr);

    auto listed = [&] {
        emit pWindowMenu->aboutToShow();
        std::vector<std::pair<QString, bool>> entries;
        for (QAction* pAction : pWindowMenu->actions())
            if (pAction->text().startsWith(QLatin1Char('&'))) entries.emplace_back(pAction->text(), pAction->isChecked());
        return entries;
    };
    const auto entries = listed();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], std::make_pair(QStringLiteral("&1 TOVIX1"), false));
    EXPECT_EQ(entries[1], std::make_pair(QStringLiteral("&2 TOVIX2:1"), false));
    EXPECT_EQ(entries[2], std::make_pair(QStringLiteral("&3 TOVIX2:2"), true));
    EXPECT_EQ(listed().size(), 3u) << "shown again, the list is rebuilt, not added to";

    for (QAction* pAction : pWindowMenu->actions())
        if (pAction->text() == QStringLiteral("&1 TOVIX1")) pAction->trigger();
    EXPECT_EQ(ActiveView()->GetDocument().GetTitle(), QStringLiteral("TOVIX1"));
    EXPECT_EQ(pWindowMenu->actions().back()->statusTip(), QString::fromUtf8("指定のｳｨﾝﾄﾞｳを表示"));
}

TEST_F(AppTest, HidingAndShowingTheBarsKeepsTheSevenPanes)
{
    EXPECT_EQ(Checked(res::ID_VIEW_STATUS_BAR), std::optional<bool>(true));
    Run(res::ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_EQ(Checked(res::ID_VIEW_STATUS_BAR), std::optional<bool>(false));
    Run(res::ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().statusBar()->isHidden());
    EXPECT_EQ(Frame().m_nDatePane, 5);
    EXPECT_EQ(Frame().m_nTimePane, 6);
    EXPECT_EQ(Frame().Pane(0)->text(), QStringLiteral("ﾚﾃﾞｨ"));
    Run(res::ID_VIEW_TOOLBAR);
    EXPECT_EQ(Checked(res::ID_VIEW_TOOLBAR), std::optional<bool>(false));
}

TEST_F(AppTest, DocumentWindowSystemMenuHasItsOwnItemsAndPromptsAndNoKeys)
{
    const std::pair<const char*, const char*> expected[] = {
        {"元のｻｲｽﾞに戻す(&R)", "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
        {"移動(&M)", "ｳｨﾝﾄﾞｳの位置を変更"},
        {"ｻｲｽﾞ変更(&S)", "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},
        {"最小化(&N)", "ｳｨﾝﾄﾞｳを最小化する"},
        {"最大化(&X)", "ｳｨﾝﾄﾞｳを最大化する"},
        {"閉じる(&C)", "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
        {"次のｳｨﾝﾄﾞｳ(&T)", "次のｳｨﾝﾄﾞｳに切り替える"},
    };
    std::vector<std::pair<QString, QString>> items;
    for (const QAction* pAction : ActiveView()->Frame()->systemMenu()->actions()) {
        if (pAction->isSeparator()) continue;
        items.emplace_back(pAction->text(), pAction->statusTip());
        EXPECT_TRUE(pAction->shortcuts().isEmpty()) << pAction->text().toStdString();
    }
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].first, QString::fromUtf8(expected[i].first));
        EXPECT_EQ(items[i].second, QString::fromUtf8(expected[i].second));
    }
}

TEST_F(AppTest, AMaximisedDocumentWindowPutsOnlyItsNameInBracketsInTheFrameTitle)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QMdiSubWindow* pChild = ActiveView()->Frame();
    pChild->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("TOVIX - [TOVIX1]"));
    pChild->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("TOVIX - TOVIX1"));
}

} // namespace
