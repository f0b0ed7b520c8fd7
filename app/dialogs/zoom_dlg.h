// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// The magnification dialog: display and print percentages,
// each checked to be an integer in 20..1000 before OK closes the dialog.
class CZoomDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinPercent = 20;
    static constexpr int kMaxPercent = 1000;

    explicit CZoomDlg(QWidget* pParent);

    int m_nViewPercent = 0;
    int m_nPrintPercent = 0;

    int exec() override;
    void accept() override;

    QLineEdit* ViewEdit() const { return m_editView; }
    QLineEdit* PrintEdit() const { return m_editPrint; }

private:
    // Reads one box into its field; on a bad value tells the user, puts the
    // focus back into the box and returns false.
    bool Exchange(QLineEdit* pEdit, int& nField);

    QWidget* m_pOk;
    QLineEdit* m_editView;
    QLineEdit* m_editPrint;
};
