// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_tip_forwarder.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

StatusTipForwarder::StatusTipForwarder(QWidget* pAnchor, QObject* pWatched) : QObject(pWatched), m_pAnchor(pAnchor)
{
    pWatched->installEventFilter(this);
}

bool StatusTipForwarder::eventFilter(QObject* /*pWatched*/, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::StatusTip) return false;
    // The anchor's window is looked up now: a document window joins the frame after its menu is built.
    QStatusTipEvent forwarded(static_cast<QStatusTipEvent*>(pEvent)->tip());
    QCoreApplication::sendEvent(m_pAnchor->window(), &forwarded);
    return true;
}
