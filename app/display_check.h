// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether one of the platforms Qt would try can open a window. Qt aborts the
// process when none can, so the program asks first and exits with a message.
bool CanOpenDisplay();
