// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// What the user is asked in a save dialog.
struct SaveFileQuestion {
    std::string strInitialName;    // offered file name
    std::string strDefaultExt;     // added to a name typed without one, no dot
    std::string strFilters;        // "Description (*.ext);;…", first one selected
    bool bConfirmOverwrite = false; // the dialog itself asks before an existing file is chosen
};

// How procedures of the core and the export talk to the user: message boxes
// and file questions. The program answers with real dialogs, the command-line
// tool and the tests with their own.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // A Yes/No question; true only for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;

    // The path chosen in a save dialog; nothing when the dialog is cancelled.
    virtual std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) = 0;
};

// Shows nothing and answers no to every question: for reading a file whose
// messages nobody is to see, its refusal coming later or not mattering.
class SilentDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> AskSaveFileName(const SaveFileQuestion&) override { return std::nullopt; }
};
