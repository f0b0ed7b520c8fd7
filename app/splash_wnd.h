// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QEvent;

// The start-up picture, centred on the screen for three seconds or until
// the first key or mouse press anywhere in the program, which it swallows.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 3000;

    ~CSplashWnd() override;

    // Allows or forbids the splash; forbidden until called.
    static void EnableSplash(bool bEnable);

    // Shows the splash over the parent for the given time, unless it is
    // forbidden or already up.
    static void ShowSplash(QWidget* pParent, int nShowMilliseconds = kShowMilliseconds);

    // Offered every event of the program: a press while the splash is up
    // closes it and is consumed (true).
    static bool FilterMessage(const QEvent* pEvent);

    static CSplashWnd* Current() { return s_pSplashWnd; }

    // Time left before the splash closes by itself.
    int RemainingMilliseconds() const { return m_timer.remainingTime(); }

    // Closes the splash and repaints the main window at once.
    void HideSplash();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(QWidget* pParent, int nShowMilliseconds);

    static bool s_bShowSplash;
    static CSplashWnd* s_pSplashWnd;

    QPixmap m_bitmap;
    QTimer m_timer;
};
