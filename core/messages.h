// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts the core shows to the user, exactly as the program words them.
namespace msg {

inline constexpr const char* kCannotOpenBitmap = "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません";
inline constexpr const char* kBadBitmapFormat = "読み込んだファイルの形式が正しくありません。";
inline constexpr const char* kNot24Bit = "24bitﾋﾞｯﾄﾏｯﾌﾟではありません";
inline constexpr const char* kTooWide = "画像の横幅が広すぎます";
inline constexpr const char* kTooHigh = "画像の高さが高すぎます";

// A picture past what tovix-export resizes; the limits are in PictureLimits.
inline constexpr const char* kTooWideToResize = "画像の横幅が広すぎます(ﾘｻｲｽﾞする画像は16384ﾄﾞｯﾄまで)";
inline constexpr const char* kTooHighToResize = "画像の高さが高すぎます(ﾘｻｲｽﾞする画像は16384ﾄﾞｯﾄまで)";
inline constexpr const char* kTooManyPixelsToResize = "画像が大きすぎます(ﾘｻｲｽﾞする画像は合計67108864ﾄﾞｯﾄまで)";

// A picture too large for the pixel store, and a document file that cannot be
// read or written, are told rather than failing without a word.
inline constexpr const char* kPictureTooLarge =
    "画像が大きすぎるため書き出せません。(2097152ﾄﾞｯﾄまで)";
inline constexpr const char* kCannotOpenDocument = "ﾌｧｲﾙを開けません";
inline constexpr const char* kBadDocument = "ﾌｧｲﾙの形式が正しくないか、ﾌｧｲﾙが壊れています";
inline constexpr const char* kCannotSaveDocument = "ﾌｧｲﾙを保存できません";

} // namespace msg
