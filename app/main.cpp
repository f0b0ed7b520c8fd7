// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/main_frame.h"
#include "app/qt_dialogs.h"
#include "app/res/strings.h"
#include "app/tovix_app.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace {

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = Arguments(argc, argv);
    if (AsksForHelpOrVersion(arguments)) ShowHelpOrVersion(argc, argv);
    QString error;
    const std::optional<CCommandLineInfo> info = ParseCommandLine(arguments, &error);
    if (!info) {
        std::fprintf(stderr, "tovix: %s\n", qPrintable(error));
        return 2;
    }
    if (!CanOpenDisplay()) {
        std::fprintf(stderr, "%s\n", res::str::kNoDisplay);
        return 3;
    }

    // Commands report their own failures; this catches what escapes start-up
    // or the event loop, so the program never ends on an uncaught exception.
    try {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("tovix"));
        QApplication::setOrganizationName(QStringLiteral("tovix"));
        QApplication::setApplicationVersion(QString::fromUtf8(res::str::kVersion));

        CQtDialogs dialogs;
        CTOVIXApp theApp(dialogs, dialogs);
        if (!theApp.InitInstance(*info)) return theApp.ExitCode();
        dialogs.SetParent(theApp.MainFrame());
        return QApplication::exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tovix: %s\n", e.what());
    }
    return 1;
}
