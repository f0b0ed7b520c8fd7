// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs tovix-export on its arguments, from the parse to the written files;
// returns the process exit status. Nothing escapes it: a failure that is
// thrown is reported and ends the run with status 1.
int RunTool(int argc, char** argv);
