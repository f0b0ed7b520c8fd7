// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fixed ids of commands, strings and resources. A command's id is also the
// key of its prompt, so prompts and commands share one key.
namespace res {

// Resources
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_TOVIXTYPE = 129;

// Program commands
inline constexpr int ID_IMPORT_BMP = 32773;
inline constexpr int ID_COLOR_64 = 32775;
inline constexpr int ID_COLOR_MONO = 32776;
inline constexpr int ID_COLOR_ORIGINAL = 32777;
inline constexpr int ID_THRESHOLD = 32778;
inline constexpr int ID_EXPORT_FORMAT1 = 32779;
inline constexpr int ID_EXPORT_FORMAT2 = 32780;
inline constexpr int ID_COLOR_15BPP = 32784;
inline constexpr int ID_COLOR_16BPP = 32785;
inline constexpr int ID_HOMEPAGE = 32786;
inline constexpr int ID_COLOR_256 = 32787;
inline constexpr int ID_ZOOM = 32788;
inline constexpr int ID_IMPORT_PICTURE = 32789;   // beyond the numbers above, for the picture import
inline constexpr int ID_EXPORT_DEVICE = 32790;    // the device export with its preview

// Framework commands
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_SEND_MAIL = 57612;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
// How many recently used documents the File menu lists.
inline constexpr int kRecentFileCount = 4;
inline constexpr int ID_FILE_MRU_LAST = ID_FILE_MRU_FILE1 + kRecentFileCount - 1;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_WINDOW_NEW = 57648;
inline constexpr int ID_WINDOW_ARRANGE = 57649;
inline constexpr int ID_WINDOW_CASCADE = 57650;
inline constexpr int ID_WINDOW_TILE_HORZ = 57651;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

} // namespace res
