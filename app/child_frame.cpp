// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/child_frame.h"

#include "app/main_frame.h"
#include "app/res/art.h"
#include "app/res/strings.h"
#include "app/status_tip_forwarder.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMenu>

#include <algorithm>

namespace {

// Qt's own items, known by their untranslated texts, in our words and with
// our prompts.
struct SystemItem {
    const char* pszQtText;
    const char* pszLabel;
    const char* pszPrompt;
};

const SystemItem kSystemItems[] = {
    {"&Restore", res::str::kSysRestore, res::str::kSysRestorePrompt},
    {"&Move", res::str::kSysMove, res::str::kSysMovePrompt},
    {"&Size", res::str::kSysSize, res::str::kSysSizePrompt},
    {"Mi&nimize", res::str::kSysMinimize, res::str::kSysMinimizePrompt},
    {"Ma&ximize", res::str::kSysMaximize, res::str::kSysMaximizePrompt},
    {"&Close", res::str::kSysClose, res::str::kSysClosePrompt},
};

} // namespace

CChildFrame::CChildFrame()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(res::DocumentIcon());
    BuildSystemMenu();
}

void CChildFrame::BuildSystemMenu()
{
    QMenu* pMenu = systemMenu();
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) continue;
        const auto it = std::find_if(std::begin(kSystemItems), std::end(kSystemItems), [pAction](const SystemItem& item) {
            return pAction->text() == QMdiSubWindow::tr(item.pszQtText);
        });
        // Anything else (Qt's "Stay on Top") has no place in a document window.
        if (it == std::end(kSystemItems)) {
            pMenu->removeAction(pAction);
            continue;
        }
        pAction->setText(QString::fromUtf8(it->pszLabel));
        pAction->setStatusTip(QString::fromUtf8(it->pszPrompt));
        // The program's keys are those of its command table, and no others.
        pAction->setShortcuts({});
    }
    pMenu->addSeparator();
    QAction* pNext = pMenu->addAction(QString::fromUtf8(res::str::kSysNextWindow), this, [this] {
        if (QMdiArea* pArea = mdiArea()) pArea->activateNextSubWindow();
    });
    pNext->setStatusTip(QString::fromUtf8(res::str::kSysNextWindowPrompt));
    new StatusTipForwarder(this, pMenu);
}

void CChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    // Maximised, the window's name moves into the frame's title; after Qt has
    // written its own version of it.
    if (event->type() == QEvent::WindowStateChange)
        if (auto* pFrame = qobject_cast<CMainFrame*>(window()))
            QMetaObject::invokeMethod(pFrame, &CMainFrame::UpdateCommandUI, Qt::QueuedConnection);
}
