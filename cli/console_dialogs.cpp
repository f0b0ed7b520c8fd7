#include "cli/console_dialogs.h"

#include <cstdio>

void ReportError(const std::string& subject, const std::string& text)
{
    std::fprintf(stderr, "tovix-export: %s: %s\n", subject.c_str(), text.c_str());
}

void ConsoleDialogs::ShowMessage(const std::string& text)
{
    ReportError(m_strSubject, text);
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
