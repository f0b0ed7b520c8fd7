// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/res/strings.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

namespace {

void DefineOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QString::fromUtf8(res::str::kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QString::fromUtf8(res::str::kOptNoSplash), QString::fromUtf8(res::str::kOptNoSplashHelp)});
    parser.addOption({QString::fromUtf8(res::str::kOptPrint), QString::fromUtf8(res::str::kOptPrintHelp),
                      QString::fromUtf8(res::str::kArgFile)});
    parser.addPositionalArgument(QString::fromUtf8(res::str::kArgFile), QString::fromUtf8(res::str::kArgFileHelp),
                                 QStringLiteral("[file]"));
}

} // namespace

std::optional<CCommandLineInfo> ParseCommandLine(const QStringList& arguments, QString* pError)
{
    QCommandLineParser parser;
    DefineOptions(parser);
    if (!parser.parse(arguments)) {
        *pError = parser.errorText();
        return std::nullopt;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        *pError = QStringLiteral("only one document can be opened from the command line");
        return std::nullopt;
    }
    CCommandLineInfo info;
    info.strFileName = positional.value(0).toStdString();
    info.strPrintFile = parser.value(QString::fromUtf8(res::str::kOptPrint)).toStdString();
    // Printing directly shows nothing but the printout.
    info.bShowSplash = !parser.isSet(QString::fromUtf8(res::str::kOptNoSplash)) && info.strPrintFile.empty();
    return info;
}

bool AsksForHelpOrVersion(const QStringList& arguments)
{
    QCommandLineParser parser;
    DefineOptions(parser);
    return parser.parse(arguments) &&
           (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")));
}

void ShowHelpOrVersion(int& argc, char** argv)
{
    // The parser's help needs an application object, but not a display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(res::str::kVersion));
    QCommandLineParser parser;
    DefineOptions(parser);
    parser.process(app);
    std::exit(EXIT_SUCCESS);
}
