// SPDX-License-Identifier: GPL-3.0-or-later
#include "testkit/recording_dialogs.h"

namespace testing_support {

void RecordingDialogs::ShowMessage(const std::string& text)
{
    messages.push_back(text);
}

bool RecordingDialogs::AskYesNo(const std::string& text)
{
    messages.push_back(text);
    return bAnswerYes;
}

std::optional<std::string> RecordingDialogs::AskSaveFileName(const SaveFileQuestion& question)
{
    saveQuestions.push_back(question);
    return savePath;
}

} // namespace testing_support
