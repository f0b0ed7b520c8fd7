// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/zoom_dlg.h"

#include "app/dialogs/dialog_units.h"
#include "app/qt_dialogs.h"
#include "app/res/strings.h"

#include <QLineEdit>
#include <QPushButton>

CZoomDlg::CZoomDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QString::fromUtf8(res::str::kZoomCaption));
    const DialogUnits du(*this);
    SetTemplateFrame(this, du, 187, 70);

    // Template order, which is also the tab order.
    m_pOk = AddOkCancel(this, du.Rect(130, 32, 50, 14), du.Rect(130, 49, 50, 14));
    m_editView = AddNumberEdit(this, du.Rect(68, 26, 40, 14));
    m_editPrint = AddNumberEdit(this, du.Rect(68, 43, 40, 14));
    AddLabel(this, res::str::kZoomPrompt, du.Rect(15, 13, 104, 8));
    AddLabel(this, res::str::kZoomView, du.Rect(18, 29, 28, 8));
    AddLabel(this, res::str::kZoomPrint, du.Rect(18, 46, 15, 8));

}

int CZoomDlg::exec()
{
    m_editView->setText(QString::number(m_nViewPercent));
    m_editPrint->setText(QString::number(m_nPrintPercent));
    m_pOk->setFocus();
    return QDialog::exec();
}

void CZoomDlg::accept()
{
    // The display box first: with both wrong, only it is reported.
    if (Exchange(m_editView, m_nViewPercent) && Exchange(m_editPrint, m_nPrintPercent)) QDialog::accept();
}

bool CZoomDlg::Exchange(QLineEdit* pEdit, int& nField)
{
    bool bInteger = false;
    const int nValue = pEdit->text().trimmed().toInt(&bInteger);
    const char* problem = !bInteger ? res::str::kNotAnInteger
                          : nValue < kMinPercent || nValue > kMaxPercent ? res::str::kZoomOutOfRange
                                                                          : nullptr;
    if (problem == nullptr) {
        nField = nValue;
        return true;
    }
    RunMessageBox(this, problem, QMessageBox::Ok);
    pEdit->setFocus();
    pEdit->selectAll();
    return false;
}
