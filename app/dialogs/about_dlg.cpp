#include "app/dialogs/about_dlg.h"

#include "app/res/art.h"
#include "app/res/strings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QString::fromUtf8(res::str::kAboutCaption));

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(res::MainIcon().pixmap(32, 32));
    auto* pVersion = new QLabel(QString::fromUtf8(res::str::kAboutVersion), this);
    pVersion->setTextFormat(Qt::PlainText);
    auto* pSecond = new QLabel(QString::fromUtf8(res::str::kAboutSecondLine), this);
    pSecond->setTextFormat(Qt::PlainText);
    auto* pOk = new QPushButton(QString::fromUtf8(res::str::kOk), this);
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(pVersion, 0, 1);
    pLayout->addWidget(pSecond, 1, 1);
    pLayout->addWidget(pOk, 0, 2, Qt::AlignTop);
    pLayout->setColumnStretch(1, 1);
    pLayout->setHorizontalSpacing(16);
}
