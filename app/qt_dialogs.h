// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/open_file_chooser.h"
#include "core/user_dialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

// A message box in the program's manner: its title, no icon; returns the
// button chosen.
int RunMessageBox(QWidget* pParent, const std::string& text, QMessageBox::StandardButtons buttons);

// Message boxes and file dialogs on the screen.
class CQtDialogs : public UserDialogs, public COpenFileChooser {
public:
    // Dialogs opened from now on sit over this window.
    void SetParent(QWidget* pParent) { m_pParent = pParent; }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override;
    std::optional<std::string> AskOpenFileName(const OpenFileQuestion& question) override;

private:
    QPointer<QWidget> m_pParent;
};
