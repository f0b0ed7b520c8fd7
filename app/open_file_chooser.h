// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// What the user is asked in an open dialog.
struct OpenFileQuestion {
    std::string strDefaultExt;   // no dot
    std::string strFilters;      // "Description (*.ext);;…", first one selected
};

// Asks for a file to read. The program shows a file dialog; tests script it.
class COpenFileChooser {
public:
    virtual ~COpenFileChooser() = default;

    // The chosen path; nothing when the dialog is cancelled.
    virtual std::optional<std::string> AskOpenFileName(const OpenFileQuestion& question) = 0;
};
