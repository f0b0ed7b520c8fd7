// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts the export shows to the user.
namespace msg {

inline constexpr const char* kNoExportData = "ｴｸｽﾎﾟｰﾄするﾃﾞｰﾀがありません";
inline constexpr const char* kOverwriteQuestion = "ﾌｧｲﾙが存在します。上書きしますか?";
// A full disk must not pass for a finished export, so a failed write is told.
inline constexpr const char* kExportWriteFailed = "ﾌｧｲﾙの書き込みに失敗しました";

} // namespace msg
