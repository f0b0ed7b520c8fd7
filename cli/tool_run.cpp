// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tool_run.h"

#include "cli/console_dialogs.h"
#include "cli/decode_run.h"
#include "cli/export_options.h"
#include "cli/export_run.h"
#include "core/pixel_format.h"
#include "tovix_version.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>

namespace {

int Run(const ParsedExportOptions& parsed)
{
    switch (parsed.action) {
    case ParsedExportOptions::Action::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case ParsedExportOptions::Action::ListFormats:
        for (const OutputFormat& format : OutputFormats())
            if (format.pszTarget == nullptr) std::puts(format.pszName);
        return 0;
    case ParsedExportOptions::Action::ListTargets:
    {
        std::string names = TargetNames();
        std::replace(names.begin(), names.end(), '|', '\n');
        std::puts(names.c_str());
        return 0;
    }
    case ParsedExportOptions::Action::ListModes:
        for (const PixelFormat& format : PixelFormats()) {
            if (format.bNamedOnly) std::printf("%s\n", format.pszName);
            else std::printf("%d %s\n", format.Number(), format.pszName);
        }
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
    if (const auto* decode = std::get_if<DecodeRequest>(&parsed.request)) return RunDecodeRequest(*decode);
    return RunExportRequest(std::get<ExportRequest>(parsed.request));
}

// What a message about the whole run names: its one input, if it has one.
std::string Subject(const std::variant<ExportRequest, DecodeRequest>& request)
{
    if (const auto* decode = std::get_if<DecodeRequest>(&request)) return decode->input;
    const ExportRequest& exportRequest = std::get<ExportRequest>(request);
    return exportRequest.inputs.size() == 1 ? exportRequest.inputs.front() : "tovix-export";
}

} // namespace

int RunTool(int argc, char** argv)
{
    // Only allocation failures are thrown; whatever escapes ends the run
    // with a message instead of an abort.
    ParsedExportOptions parsed;
    try {
        parsed = ParseExportOptions(argc, argv);
        return Run(parsed);
    } catch (const std::bad_alloc&) {
        ReportError(Subject(parsed.request), "not enough memory");
    } catch (const std::exception& e) {
        ReportError(Subject(parsed.request), e.what());
    } catch (...) {
        ReportError(Subject(parsed.request), "unexpected failure");
    }
    return 1;
}
