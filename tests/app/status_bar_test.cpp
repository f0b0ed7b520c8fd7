// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/lock_state.h"
#include "app/res/resource.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QToolButton>
#include <QTest>

using namespace testing_support;

namespace {

// The document menu's popup that holds the command.
QMenu* MenuHolding(const QMainWindow& frame, const QAction* pCommand)
{
    for (QAction* pTitle : frame.menuBar()->actions())
        if (pTitle->menu() != nullptr && pTitle->menu()->actions().contains(pCommand)) return pTitle->menu();
    return nullptr;
}

TEST_F(AppTest, HoveringAMenuItemShowsItsPromptOrABlankPaneAndClosingBringsBackReady)
{
    struct Case {
        int nId;
        const char* pane;
    } const cases[] = {
        {res::ID_COLOR_64, "64色に減色"},
        {res::ID_COLOR_256, ""},
        {res::ID_COLOR_MONO, ""},
        {res::ID_COLOR_ORIGINAL, ""},
        {res::ID_FILE_SAVE, "作業中のﾌｧｲﾙを上書きして保存"},
    };
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    for (const Case& c : cases) {
        QAction* pCommand = Frame().Action(c.nId);
        QMenu* pMenu = MenuHolding(Frame(), pCommand);
        ASSERT_NE(pMenu, nullptr) << c.nId;
        pMenu->popup(Frame().mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pMenu));
        pMenu->setActiveAction(pCommand);
        EXPECT_EQ(Frame().Pane(0)->text(), QString::fromUtf8(c.pane)) << c.nId;
        pMenu->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(Frame().Pane(0)->text(), QStringLiteral("ﾚﾃﾞｨ")) << c.nId;
    }
}

TEST_F(AppTest, HoveringTheDocumentWindowsSystemMenuShowsItsPromptsInTheFrame)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QMenu* pMenu = ActiveView()->Frame()->systemMenu();
    pMenu->popup(Frame().mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pMenu));
    int nItems = 0;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator() || !pAction->isEnabled()) continue;
        ++nItems;
        pMenu->setActiveAction(pAction);
        EXPECT_EQ(Frame().Pane(0)->text(), pAction->statusTip()) << pAction->text().toStdString();
        EXPECT_FALSE(pAction->statusTip().isEmpty());
    }
    EXPECT_GE(nItems, 5);
    pMenu->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().Pane(0)->text(), QStringLiteral("ﾚﾃﾞｨ"));
}

TEST_F(AppTest, LockPanesNameTheLocksThatAreOnAndStayBlankWithoutALockState)
{
    struct Case {
        std::optional<unsigned> locks;
        QStringList panes;   // ｶﾅ, CAP, NUM, SCRL
    } const cases[] = {
        {0u, {"", "", "", ""}},
        {lock::kCaps, {"", "CAP", "", ""}},
        {lock::kNum, {"", "", "NUM", ""}},
        {lock::kNum | lock::kScroll, {"", "", "NUM", "SCRL"}},
        {lock::kKana, {"ｶﾅ", "", "", ""}},
        {lock::kKana | lock::kCaps | lock::kNum | lock::kScroll, {"ｶﾅ", "CAP", "NUM", "SCRL"}},
        {std::nullopt, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        Frame().SetLockReader([&c] { return c.locks; });
        Frame().OnUpdateIndicators();
        QStringList panes;
        for (int nPane = 1; nPane <= 4; ++nPane) panes << Frame().Pane(nPane)->text();
        EXPECT_EQ(panes, c.panes) << c.locks.value_or(99);
    }
    EXPECT_EQ(ReadLockState(), std::nullopt) << "offscreen there is no keyboard state to read";
}

TEST_F(AppTest, PrintPreviewHasAButtonThatLeavesItWithItsPromptInTheFrame)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    bool bSeen = false;
    OnNextDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
        QToolButton* pClose = nullptr;
        for (QToolButton* pButton : dialog.findChildren<QToolButton*>())
            if (pButton->toolTip() == QStringLiteral("ﾌﾟﾚﾋﾞｭｰのｷｬﾝｾﾙ")) pClose = pButton;
        ASSERT_NE(pClose, nullptr);
        const QPoint centre = pClose->rect().center();
        QEnterEvent enter(centre, centre, pClose->mapToGlobal(centre));
        QCoreApplication::sendEvent(pClose, &enter);
        EXPECT_EQ(Frame().Pane(0)->text(), QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ ﾓｰﾄﾞの終わり"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(pClose, &leave);
        EXPECT_EQ(Frame().Pane(0)->text(), QStringLiteral("ﾚﾃﾞｨ"));
        pClose->click();
        bSeen = !dialog.isVisible();
    });
    Run(res::ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(bSeen) << "the button closes the preview";
}

} // namespace
