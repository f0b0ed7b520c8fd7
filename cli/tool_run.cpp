// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tool_run.h"

#include "cli/console_dialogs.h"
#include "cli/decode_run.h"
#include "cli/export_options.h"
#include "cli/export_run.h"
#include "cli/output_plan.h"
#include "cli/usage_text.h"
#include "tovix_version.h"

#include <cstdio>
#include <exception>
#include <new>

namespace {

int ReportUsageError(const std::string& text)
{
    std::fprintf(stderr, "tovix-export: %s\nTry 'tovix-export --help' for more information.\n", text.c_str());
    return 2;
}

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
        for (const OutputFormat& format : OutputFormats())
            if (format.pszTarget != nullptr && FindOutputFormat("bytes", format.pszTarget) == &format)
                std::printf("%s %s\n", format.pszTarget, format.pszExtension);
        return 0;
    case ParsedExportOptions::Action::ListModes:
        std::puts(ModeList("\n").c_str());
        return 0;
    case ParsedExportOptions::Action::Version:
        std::puts("tovix-export " TOVIX_VERSION);
        return 0;
    case ParsedExportOptions::Action::UsageError: return ReportUsageError(parsed.strError);
    case ParsedExportOptions::Action::Run:
        break;
    }
    if (const std::optional<std::string> error =
            std::visit([](const auto& request) { return MeetingFilesError(request); }, parsed.request))
        return ReportUsageError(*error);
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
