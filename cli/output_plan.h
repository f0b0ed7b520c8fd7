// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_request.h"
#include "cli/output_file.h"
#include "core/export_settings.h"

#include <optional>
#include <string>
#include <vector>

// The format an INPUT's export takes: without -f or --for, the one a
// document keeps, for its target if it keeps one; otherwise the request's.
const OutputFormat& FormatFor(const ExportRequest& request, const ExportSettings& kept);

// The files one INPUT's export writes in the format, in the order the
// outputs asked for are written.
std::vector<OutputTarget> PlanOutputs(const std::vector<RequestedOutput>& outputs, const OutputFormat& format,
                                      const std::string& input);

// Why a run cannot go: two of its outputs are one file, however spelt or
// linked, or an output is one of its INPUTs. Told before anything is
// written, since one would replace the other even with --force, which is
// for files of earlier runs.
std::optional<std::string> MeetingFilesError(const ExportRequest& request);
std::optional<std::string> MeetingFilesError(const DecodeRequest& request);
