// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_wnd.h"

#include "app/res/art.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

bool CSplashWnd::s_bShowSplash = false;
CSplashWnd* CSplashWnd::s_pSplashWnd = nullptr;

CSplashWnd::CSplashWnd(QWidget* pParent, int nShowMilliseconds)
    // Above every normal window: the frame is shown after the splash, and a
    // window manager would otherwise stack it on top, hiding the splash.
    : QWidget(pParent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(res::SplashPicture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_bitmap.size());
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        move(pScreen->geometry().center() - rect().center());
    // A coarse timer may be five per cent late; three seconds should be three seconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplash);
    m_timer.start(nShowMilliseconds);
}

CSplashWnd::~CSplashWnd()
{
    if (s_pSplashWnd == this) s_pSplashWnd = nullptr;
}

void CSplashWnd::EnableSplash(bool bEnable)
{
    s_bShowSplash = bEnable;
}

void CSplashWnd::ShowSplash(QWidget* pParent, int nShowMilliseconds)
{
    if (!s_bShowSplash || s_pSplashWnd != nullptr) return;
    s_pSplashWnd = new CSplashWnd(pParent, nShowMilliseconds);
    s_pSplashWnd->show();
    s_pSplashWnd->repaint();
}

bool CSplashWnd::FilterMessage(const QEvent* pEvent)
{
    if (s_pSplashWnd == nullptr) return false;
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        s_pSplashWnd->HideSplash();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::HideSplash()
{
    // Forget the splash now: the window goes only at the next turn of the
    // event loop, and a second press before then must reach the program.
    if (s_pSplashWnd == this) s_pSplashWnd = nullptr;
    m_timer.stop();
    close();
    if (QWidget* pMain = parentWidget()) pMain->repaint();
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}
