#pragma once

#include <QKeySequence>

#include <span>

namespace res {

// One command: its menu label (with "\t" before the shortcut text) and its
// prompt (status-bar text, then "\n" and the tooltip). Either may be null.
struct CommandText {
    int nId;
    const char* pszLabel;
    const char* pszPrompt;
};

enum class MenuItemKind { Popup, SubMenu, EndSubMenu, Command, Separator };

// One line of a menu table. A Popup starts the next top-level menu; a SubMenu
// nests the items up to its EndSubMenu.
struct MenuItem {
    MenuItemKind kind;
    int nId = 0;                      // commands only
    const char* pszLabel = nullptr;   // popups and submenus only
};

struct Accelerator {
    QKeySequence keys;
    int nId;
};

// Every command the program knows, each once.
std::span<const CommandText> Commands();

// The text entry of a command, or null when it has none.
const CommandText* FindCommand(int nId);

// Menu 128 (no document window) or 129 (a document window is active).
std::span<const MenuItem> Menu(int nMenuId);

// Accelerator table 128.
std::span<const Accelerator> Accelerators();

// Toolbar 128, left to right; 0 stands for a separator.
std::span<const int> ToolbarButtons();

} // namespace res
