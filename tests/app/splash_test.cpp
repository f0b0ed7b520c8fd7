// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_wnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// A window that counts what reaches it.
class Target : public QWidget {
public:
    int nPresses = 0;
    int nReleases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++nPresses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++nReleases; }
};

// Routes every event of the program through the splash, as the application does.
class SplashFilter : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* pEvent) override { return CSplashWnd::FilterMessage(pEvent); }
};

class SplashTest : public testing::Test {
protected:
    SplashTest() { qApp->installEventFilter(&filter); }
    ~SplashTest() override
    {
        if (CSplashWnd::Current() != nullptr) CSplashWnd::Current()->HideSplash();
        CSplashWnd::EnableSplash(false);
        qApp->removeEventFilter(&filter);
    }

    SplashFilter filter;
    Target target;
};

TEST_F(SplashTest, AClickClosesTheSplashAndIsNotDelivered)
{
    target.show();
    CSplashWnd::EnableSplash(true);
    CSplashWnd::ShowSplash(&target);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_EQ(CSplashWnd::Current()->size(), QSize(522, 319));
    // A window manager stacks the frame, shown later, over anything not kept above.
    EXPECT_TRUE(CSplashWnd::Current()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::mouseClick(&target, Qt::LeftButton);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_EQ(target.nPresses, 0);
    EXPECT_EQ(target.nReleases, 1);

    QTest::mouseClick(&target, Qt::LeftButton);
    EXPECT_EQ(target.nPresses, 1);
}

TEST_F(SplashTest, MovesAndKeyReleasesLeaveItUpAndAKeyPressClosesIt)
{
    CSplashWnd::EnableSplash(true);
    CSplashWnd::ShowSplash(&target);
    CSplashWnd* pFirst = CSplashWnd::Current();
    CSplashWnd::ShowSplash(&target);
    EXPECT_EQ(CSplashWnd::Current(), pFirst) << "a second call changes nothing";

    QTest::mouseMove(&target, {5, 5});
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&target, &release);
    EXPECT_EQ(CSplashWnd::Current(), pFirst);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(QApplication::sendEvent(&target, &press) && press.isAccepted() && CSplashWnd::Current() != nullptr);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST_F(SplashTest, ClosesByItselfAfterThreeSeconds)
{
    CSplashWnd::EnableSplash(true);
    QElapsedTimer timer;
    timer.start();
    CSplashWnd::ShowSplash(&target);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    const int nLeft = CSplashWnd::Current()->RemainingMilliseconds();
    EXPECT_LE(nLeft, 3000);
    EXPECT_GE(nLeft + timer.elapsed(), 2998) << "however long showing it took";
    CSplashWnd::Current()->HideSplash();

    // The same timer, shortened so that the test need not wait three seconds.
    timer.start();
    CSplashWnd::ShowSplash(&target, 100);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    // qWaitFor, not Qt's QTRY macros, whose failures GoogleTest never sees.
    EXPECT_TRUE(QTest::qWaitFor([] { return CSplashWnd::Current() == nullptr; }, 5000));
    EXPECT_GE(timer.elapsed(), 100);
}

TEST_F(SplashTest, DisabledSplashNeverShows)
{
    CSplashWnd::EnableSplash(false);
    CSplashWnd::ShowSplash(&target);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    QTest::mouseClick(&target, Qt::LeftButton);
    EXPECT_EQ(target.nPresses, 1);
}

} // namespace
