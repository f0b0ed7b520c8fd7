#include "tests/app/app_fixture.h"

#include "app/res/resource.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

} // namespace
