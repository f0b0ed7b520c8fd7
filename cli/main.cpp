#include "cli/decode_run.h"
#include "cli/export_options.h"
#include "cli/export_run.h"
#include "tovix_version.h"

#include <QtGlobal>

#include <cstdio>

int main(int argc, char** argv)
{
    // Decoders' own diagnostics would break the one "tovix-export: PATH: TEXT"
    // line per message; what they found is reported by the import.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const ParsedExportOptions parsed = ParseExportOptions(argc, argv);
    switch (parsed.action) {
    case ParsedExportOptions::Action::Help:
        std::fputs(UsageText(), stdout);
        return 0;
    case ParsedExportOptions::Action::Version:
        std::puts("tovix-export " TOVIX_VERSION);
        return 0;
    case ParsedExportOptions::Action::UsageError:
        std::fprintf(stderr, "tovix-export: %s\nTry 'tovix-export --help' for more information.\n",
                     parsed.strError.c_str());
        return 2;
    case ParsedExportOptions::Action::Run:
        break;
    }
    return parsed.request.decode ? RunDecodeRequest(parsed.request) : RunExportRequest(parsed.request);
}
