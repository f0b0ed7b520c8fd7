// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/export_format.h"

class CTOVIXDoc;
class UserDialogs;

// The export command shared by both formats: checks there is a picture,
// captures it, asks for the file, asks before overwriting and writes the
// text. Returns true when a file was written completely.
bool RunExport(CTOVIXDoc& doc, ExportFormat format, UserDialogs& dialogs);
