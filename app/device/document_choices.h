// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "core/device_settings.h"

class CTOVIXDoc;

// The dialog's choices as the document keeps them. The rotation, flip and
// resize, the colour order, inversion and the preview's magnification are
// the dialog's alone.
DeviceSettings SettingsOf(const DeviceChoices& choices);

// The choices a document's settings give, over the defaults; the array is
// named after the document unless the settings name it.
DeviceChoices ChoicesOf(const CTOVIXDoc& doc);
