// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_dialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Dialogs that record what they were asked and give scripted answers.
class RecordingDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override;

    std::vector<std::string> messages;        // every message box and question, in order
    std::vector<SaveFileQuestion> saveQuestions;
    bool bAnswerYes = false;
    std::optional<std::string> savePath;      // the save dialog's answer
};

} // namespace testing_support
