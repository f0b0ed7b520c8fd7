// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"

#include <span>

// The kind of control the device-export dialog shows an option with.
enum class ControlKind { Combo, Check, Spin };

// The group box the option sits in.
enum class SettingsGroup { Output, Layout, Reduction, Geometry };

// One entry of a combo box: its text and the value it stands for.
struct ControlChoice {
    const char* pszText;
    int nValue;
};

// One option of the device-export dialog: how its control looks, where it
// sits, and how the control's value (a combo's entry, a check box's 0 or 1,
// a spin box's number) is shown from and read into the choices. The
// controls of options that fit no such shape are made by the dialog itself.
struct OptionBinding {
    const char* pszName;    // the control's object name
    const char* pszLabel;   // the row's label, a check box's text; none beside another control
    ControlKind kind;
    SettingsGroup group;
    bool bBesidePrevious = false;         // in the previous option's row, after its controls
    std::span<const ControlChoice> choices = {};
    int nLowest = 0, nHighest = 0;        // a spin box's range
    int (*show)(const DeviceChoices& choices) = nullptr;
    // Takes the control's value; a greyed-out control gives nothing.
    void (*read)(DeviceChoices& choices, int nValue, bool bOffered) = nullptr;
    // Whether the row and the format take the option given alone; shown
    // holds what every control shows, greyed out or not.
    bool (*offered)(const DeviceChoices& shown) = nullptr;
};

// The options the dialog binds, in the order they are laid out.
std::span<const OptionBinding> OptionBindings();
