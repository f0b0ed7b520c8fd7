#pragma once

#include "cli/command_line.h"

// Carries out one tovix-export request; returns the process exit status.
int RunExportRequest(const ExportRequest& request);
