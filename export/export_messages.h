#pragma once

// Texts the export shows to the user.
namespace msg {

inline constexpr const char* kNoExportData = "ｴｸｽﾎﾟｰﾄするﾃﾞｰﾀがありません";
inline constexpr const char* kOverwriteQuestion = "ﾌｧｲﾙが存在します。上書きしますか?";
// Our own wording: the original program did not report a failed write.
inline constexpr const char* kExportWriteFailed = "ﾌｧｲﾙの書き込みに失敗しました";

} // namespace msg
