#include "app/print_preview.h"

#include "app/res/strings.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

// A prompt stops at the window it was raised in; the preview's belong in
// the frame's status bar.
class StatusTipForwarder : public QObject {
public:
    StatusTipForwarder(QObject* pTarget, QObject* pParent) : QObject(pParent), m_pTarget(pTarget) {}

    bool eventFilter(QObject* /*pWatched*/, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::StatusTip) return false;
        QStatusTipEvent forwarded(static_cast<QStatusTipEvent*>(pEvent)->tip());
        QCoreApplication::sendEvent(m_pTarget, &forwarded);
        return true;
    }

private:
    QObject* m_pTarget;
};

} // namespace

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
    if (pParent != nullptr) dialog.installEventFilter(new StatusTipForwarder(pParent->window(), &dialog));
    dialog.exec();
}
