// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"

class CTOVIXDoc;
class UserDialogs;

// The device export: captures the document's picture, renders it as the
// choices say, asks for the file in the save dialog the other exports use,
// asks before overwriting, and writes the source and, when chosen, its
// header, which land together. Returns true when they were written.
bool RunDeviceExport(CTOVIXDoc& doc, const DeviceChoices& choices, UserDialogs& dialogs);
