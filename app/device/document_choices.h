// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"

class CTOVIXDoc;

// The choices a document's settings give, over the dialog's defaults: its
// pixel format, the bytes as a source unless it keeps the raw bytes, and an
// array named after the document unless the settings name it. The preview's
// magnification is the dialog's alone.
DeviceChoices ChoicesOf(const CTOVIXDoc& doc);
