// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>

#include <span>

namespace res {

// One command: its menu label, its prompt (status-bar text, then "\n" and
// the tooltip), either of which may be null, and the keys that run it in
// every window of the program; Qt shows the first key beside the label.
struct Command {
    int nId;
    const char* pszLabel;
    const char* pszPrompt;
    QList<QKeySequence> keys = {};
};

enum class MenuItemKind { Popup, SubMenu, EndSubMenu, Command, Separator };

// One line of a menu table. A Popup starts the next top-level menu; a SubMenu
// nests the items up to its EndSubMenu.
struct MenuItem {
    MenuItemKind kind;
    int nId = 0;                      // commands only
    const char* pszLabel = nullptr;   // popups and submenus only
};

// Every command the program knows, each once.
std::span<const Command> Commands();

// The entry of a command, or null when it has none.
const Command* FindCommand(int nId);

// The menu bar with no document window (IDR_MAINFRAME) or with one active
// (IDR_TOVIXTYPE).
std::span<const MenuItem> Menu(int nMenuId);

// The toolbar's buttons, left to right; 0 stands for a separator.
std::span<const int> ToolbarButtons();

} // namespace res
