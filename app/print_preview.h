// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print preview, modal over pParent, with a button that leaves it; what
// its buttons prompt shows in the status bar of pParent's window.
void RunPrintPreview(QPrinter& printer, QWidget* pParent, const std::function<void(QPrinter&)>& paint);
