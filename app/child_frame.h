// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>

// The MDI child window that frames one view of a document.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame();

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildSystemMenu();
};
