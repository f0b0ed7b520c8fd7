// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>
#include <string>

// What the command line asks for.
struct CCommandLineInfo {
    std::string strFileName;     // a document to open; empty for a new one
    std::string strPrintFile;    // a document to print directly, then quit
    bool bShowSplash = true;
};

// The command line's meaning; nothing when it is wrong, with the reason in
// the error text. --help and --version are for main to handle first.
std::optional<CCommandLineInfo> ParseCommandLine(const QStringList& arguments, QString* pError);

// True when the arguments ask only for help or the version.
bool AsksForHelpOrVersion(const QStringList& arguments);

// Prints help or version for such arguments and exits the process.
[[noreturn]] void ShowHelpOrVersion(int& argc, char** argv);
