// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_dialogs.h"

#include "app/res/strings.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

std::optional<std::string> RunFileDialog(QFileDialog& dialog, const std::string& defaultExt)
{
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

int RunMessageBox(QWidget* pParent, const std::string& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(res::str::kAppTitle), QString::fromStdString(text),
                    buttons, pParent);
    return box.exec();
}

void CQtDialogs::ShowMessage(const std::string& text)
{
    RunMessageBox(m_pParent, text, QMessageBox::Ok);
}

bool CQtDialogs::AskYesNo(const std::string& text)
{
    return RunMessageBox(m_pParent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> CQtDialogs::AskSaveFileName(const SaveFileQuestion& question)
{
    QFileDialog dialog(m_pParent, QString(), QString::fromStdString(question.strInitialName),
                       QString::fromStdString(question.strFilters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !question.bConfirmOverwrite);
    return RunFileDialog(dialog, question.strDefaultExt);
}

std::optional<std::string> CQtDialogs::AskOpenFileName(const OpenFileQuestion& question)
{
    QFileDialog dialog(m_pParent, QString(), QString(), QString::fromStdString(question.strFilters));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, question.strDefaultExt);
}
