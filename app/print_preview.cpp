// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_preview.h"

#include "app/res/strings.h"
#include "app/status_tip_forwarder.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

void RunPrintPreview(QPrinter& printer, QWidget* pParent, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* pPrinter) { paint(*pPrinter); });
    if (QToolBar* pToolBar = dialog.findChild<QToolBar*>()) {
        pToolBar->addSeparator();
        QAction* pClose = pToolBar->addAction(QString::fromUtf8(res::str::kSysClose), &dialog, &QDialog::reject);
        pClose->setStatusTip(QString::fromUtf8(res::str::kPreviewCloseStatus));
        pClose->setToolTip(QString::fromUtf8(res::str::kPreviewCloseTip));
    }
    if (pParent != nullptr) new StatusTipForwarder(pParent, &dialog);
    dialog.exec();
}
