// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/about_dlg.h"

#include "app/dialogs/dialog_units.h"
#include "app/res/art.h"
#include "app/res/strings.h"

#include <QLabel>

namespace {

constexpr int kIconPixels = 32;

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QString::fromUtf8(res::str::kAboutCaption));
    const DialogUnits du(*this);
    SetTemplateFrame(this, du, 235, 55);

    // Template order, which is also the tab order.
    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(res::MainIcon().pixmap(kIconPixels, kIconPixels));
    pIcon->setGeometry(QRect(du.Rect(11, 17, 0, 0).topLeft(), QSize(kIconPixels, kIconPixels)));
    AddLabel(this, res::str::kAboutVersion, du.Rect(40, 10, 119, 8))->setTextFormat(Qt::PlainText);
    AddLabel(this, res::str::kAboutSecondLine, du.Rect(40, 25, 119, 8));
    AddOk(this, du.Rect(178, 7, 50, 14));
}
