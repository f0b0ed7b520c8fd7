// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tool_run.h"

int main(int argc, char** argv)
{
    return RunTool(argc, argv);
}
