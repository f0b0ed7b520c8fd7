// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts the picture import shows for a file it refuses, in the program's
// wording; each is followed by the import's "cannot open" message.
namespace picture_msg {

inline constexpr const char* kTruncated = "ﾌｧｲﾙが途中で切れています";
inline constexpr const char* kCorrupt = "ﾌｧｲﾙのﾃﾞｰﾀが壊れています";
inline constexpr const char* kOutsideScreen = "画像ﾌﾞﾛｯｸが画面の外にはみ出しています";
inline constexpr const char* kUnsupported = "この種類の画像には対応していません";
inline constexpr const char* kBadColourProfile = "ｶﾗｰﾌﾟﾛﾌｧｲﾙが正しくありません";
inline constexpr const char* kTooManyFrames = "ｱﾆﾒｰｼｮﾝのﾌﾚｰﾑが多すぎます(合計256MBまで)";

} // namespace picture_msg
