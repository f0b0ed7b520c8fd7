// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_units.h"

#include "app/res/strings.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

DialogUnits::DialogUnits(const QWidget& dialog)
{
    const QFontMetrics metrics(dialog.font());
    // The average width over the Latin letters, as dialog templates measure it.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_nBaseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_nBaseY = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int nWidth, int nHeight) const
{
    return {x * m_nBaseX / 4, y * m_nBaseY / 8, nWidth * m_nBaseX / 4, nHeight * m_nBaseY / 8};
}

QSize DialogUnits::Size(int nWidth, int nHeight) const
{
    return Rect(0, 0, nWidth, nHeight).size();
}

void SetDialogFrame(QDialog* pDialog)
{
    pDialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
}

void SetTemplateFrame(QDialog* pDialog, const DialogUnits& du, int nWidth, int nHeight)
{
    SetDialogFrame(pDialog);
    pDialog->setFixedSize(du.Size(nWidth, nHeight));
}

QLabel* AddLabel(QWidget* pParent, const char* text, QRect rect, Qt::Alignment alignment)
{
    auto* pLabel = new QLabel(QString::fromUtf8(text), pParent);
    pLabel->setAlignment(alignment | Qt::AlignTop);
    const int nGrowth = std::max(0, pLabel->sizeHint().width() - rect.width());
    // Centred text grows to both sides, so that it stays centred.
    const int nLeft = alignment & Qt::AlignHCenter ? nGrowth / 2 : 0;
    rect.adjust(-nLeft, 0, nGrowth - nLeft, 0);
    pLabel->setGeometry(rect);
    return pLabel;
}

QLineEdit* AddNumberEdit(QWidget* pParent, const QRect& rect)
{
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setAlignment(Qt::AlignRight);
    pEdit->setGeometry(rect);
    return pEdit;
}

QPushButton* AddOk(QDialog* pDialog, const QRect& ok)
{
    auto* pOk = new QPushButton(QString::fromUtf8(res::str::kOk), pDialog);
    pOk->setGeometry(ok);
    pOk->setDefault(true);
    QObject::connect(pOk, &QPushButton::clicked, pDialog, &QDialog::accept);
    return pOk;
}

QPushButton* AddOkCancel(QDialog* pDialog, const QRect& ok, const QRect& cancel)
{
    QPushButton* pOk = AddOk(pDialog, ok);
    auto* pCancel = new QPushButton(QString::fromUtf8(res::str::kCancel), pDialog);
    pCancel->setGeometry(cancel);
    QObject::connect(pCancel, &QPushButton::clicked, pDialog, &QDialog::reject);
    return pOk;
}
