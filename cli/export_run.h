#pragma once

#include "cli/export_options.h"

// Carries out one tovix-export request; returns the process exit status.
int RunExportRequest(const ExportRequest& request);
