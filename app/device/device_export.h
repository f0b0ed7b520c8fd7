// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "core/captured_picture.h"

struct DeviceRender;
class UserDialogs;

// The device export of a captured picture: writes the render the preview
// made of it for exactly these choices, or renders it when there is none,
// asks for the file in the save dialog the other exports use, asks before
// overwriting, and writes the source and, when chosen, its header, which
// land together. Returns true when they were written.
bool RunDeviceExport(const CapturedPicture& picture, const DeviceChoices& choices, const DeviceRender* pRendered,
                     UserDialogs& dialogs);
