// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_dialogs.h"

#include <string>

// Dialogs of a command-line run: messages go to standard error as
// "tovix-export: PATH: TEXT"; nothing is ever asked.
class ConsoleDialogs : public UserDialogs {
public:
    // bPictureImport when the subject goes through the picture import.
    explicit ConsoleDialogs(std::string subject, bool bPictureImport = false)
        : m_strSubject(std::move(subject)), m_bPictureImport(bPictureImport)
    {
    }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override;

private:
    std::string m_strSubject;
    bool m_bPictureImport;
    std::string m_strLast;   // the message shown before, as given
};

// Writes one "tovix-export: PATH: TEXT" line to standard error.
void ReportError(const std::string& subject, const std::string& text);
