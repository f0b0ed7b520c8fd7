// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console_dialogs.h"

#include "cli/tool_language.h"
#include "core/messages.h"

#include <cstdio>

void ReportError(const std::string& subject, const std::string& text)
{
    std::fprintf(stderr, "tovix-export: %s: %s\n", subject.c_str(), text.c_str());
}

void ConsoleDialogs::ShowMessage(const std::string& text)
{
    // The import follows its reason for refusing a file with "cannot open",
    // as the program's message boxes do; one line says it in English.
    const bool bRepeat = !SpeaksJapanese() && !m_strLast.empty() && text == msg::kCannotOpenBitmap;
    m_strLast = text;
    if (!bRepeat) ReportError(m_strSubject, InToolLanguage(text, m_bPictureImport));
}

bool ConsoleDialogs::AskYesNo(const std::string& text)
{
    ReportError(m_strSubject, text);
    return false;
}

std::optional<std::string> ConsoleDialogs::AskSaveFileName(const SaveFileQuestion&)
{
    return std::nullopt;
}
