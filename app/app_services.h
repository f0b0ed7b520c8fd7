// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class COpenFileChooser;
class QPrinter;
class UserDialogs;

// What views and commands borrow from the application: the dialogs that talk
// to the user and the printer that print set-up configures.
struct AppServices {
    UserDialogs& dialogs;
    COpenFileChooser& chooser;
    QPrinter& printer;
};
