// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// A prompt stops at the window it was raised in: a popup menu or a dialog.
// Installed on such a window, this hands its prompts on to the window that
// holds pAnchor (the frame, whose status bar shows them).
class StatusTipForwarder : public QObject {
public:
    StatusTipForwarder(QWidget* pAnchor, QObject* pWatched);

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QWidget* m_pAnchor;
};
