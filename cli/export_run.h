// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_request.h"

// Carries out one tovix-export request; returns the process exit status.
int RunExportRequest(const ExportRequest& request);
