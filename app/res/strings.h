// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tovix_version.h"

// The program's own texts, each written once.
namespace res::str {

inline constexpr const char* kAppTitle = "TOVIX";
inline constexpr const char* kIdleMessage = "ﾚﾃﾞｨ";
inline constexpr const char* kActivateWindowPrompt = "指定のｳｨﾝﾄﾞｳを表示";

// The document window's system menu: labels, and the prompts shown while hovering them.
inline constexpr const char* kSysRestore = "元のｻｲｽﾞに戻す(&R)";
inline constexpr const char* kSysMove = "移動(&M)";
inline constexpr const char* kSysSize = "ｻｲｽﾞ変更(&S)";
inline constexpr const char* kSysMinimize = "最小化(&N)";
inline constexpr const char* kSysMaximize = "最大化(&X)";
inline constexpr const char* kSysClose = "閉じる(&C)";
inline constexpr const char* kSysNextWindow = "次のｳｨﾝﾄﾞｳ(&T)";
inline constexpr const char* kSysRestorePrompt = "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す";
inline constexpr const char* kSysMovePrompt = "ｳｨﾝﾄﾞｳの位置を変更";
inline constexpr const char* kSysSizePrompt = "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更";
inline constexpr const char* kSysMinimizePrompt = "ｳｨﾝﾄﾞｳを最小化する";
inline constexpr const char* kSysMaximizePrompt = "ｳｨﾝﾄﾞｳを最大化する";
inline constexpr const char* kSysClosePrompt = "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示";
inline constexpr const char* kSysNextWindowPrompt = "次のｳｨﾝﾄﾞｳに切り替える";

// The print preview's button that leaves it: its prompt and its tooltip.
inline constexpr const char* kPreviewCloseStatus = "印刷ﾌﾟﾚﾋﾞｭｰ ﾓｰﾄﾞの終わり";
inline constexpr const char* kPreviewCloseTip = "ﾌﾟﾚﾋﾞｭｰのｷｬﾝｾﾙ";

// Status-bar panes: initial texts of the indicators and the clock.
inline constexpr const char* kIndicatorKana = "ｶﾅ";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";
inline constexpr const char* kDatePane = "Date";
inline constexpr const char* kTimePane = "Time";
inline constexpr const char* kDateFormat = "%y/%m/%d";
inline constexpr const char* kTimeFormat = "%H:%M:%S ";

// The document template.
inline constexpr const char* kDocBaseName = "TOVIX";
inline constexpr const char* kDocFilter = "TOVIX ﾌｧｲﾙ (*.tvx)";
inline constexpr const char* kDocExtension = "tvx";
// What the open and save dialogs offer after the document's own filter.
inline constexpr const char* kAllFilesFilter = "すべてのﾌｧｲﾙ (*)";

inline constexpr const char* kBitmapFilters = "Bitmap Files (*.bmp);;All Files (*)";
inline constexpr const char* kBitmapExtension = "bmp";
inline constexpr const char* kPictureFilesLabel = "画像ﾌｧｲﾙ";

// About box.
inline constexpr const char* kAboutCaption = "TOVIXのﾊﾞｰｼﾞｮﾝ情報";
inline constexpr const char* kAboutVersion = "TOVIX Version " TOVIX_VERSION;
inline constexpr const char* kAboutSecondLine = "24bitﾋﾞｯﾄﾏｯﾌﾟをCのﾃﾞｰﾀに変換";

// Threshold dialog.
inline constexpr const char* kThresholdCaption = "閾値設定";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "ｷｬﾝｾﾙ";
inline constexpr const char* kScaleTop = "255";
inline constexpr const char* kScaleBottom = "0";

// Magnification dialog.
inline constexpr const char* kZoomCaption = "ﾀﾞｲｱﾛｸﾞ";
inline constexpr const char* kZoomPrompt = "20～1000%で倍率を指定してください";
inline constexpr const char* kZoomView = "画面表示";
inline constexpr const char* kZoomPrint = "印刷";
// In the manner of the framework's standard integer and range prompts.
inline constexpr const char* kNotAnInteger = "整数を入力してください。";
inline constexpr const char* kZoomOutOfRange = "20 から 1000 の整数を入力してください。";

inline constexpr const char* kHomePageUrl = "https://www.sorvel-system.example/";
inline constexpr const char* kVersion = TOVIX_VERSION;

// A command that failed for lack of memory; the program keeps running.
inline constexpr const char* kOutOfMemory = "ﾒﾓﾘが足りないため、処理を続けられません。";

inline constexpr const char* kNoDisplay =
    "tovix: no display could be opened (DISPLAY and WAYLAND_DISPLAY name none that answers); "
    "to convert pictures without a window use tovix-export (see tovix-export --help)";

// Command line.
inline constexpr const char* kDescription = "Turns pictures (BMP, PNG, GIF, JPEG and more) into pixel data for C programs.";
inline constexpr const char* kArgFile = "file";
inline constexpr const char* kArgFileHelp = "A TOVIX document (.tvx) to open.";
inline constexpr const char* kOptNoSplash = "no-splash";
inline constexpr const char* kOptNoSplashHelp = "Start without the splash picture.";
inline constexpr const char* kOptPrint = "print";
inline constexpr const char* kOptPrintHelp = "Print the document on the default printer and quit.";

} // namespace res::str
