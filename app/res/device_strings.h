// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The device-export dialog's texts, each written once.
namespace res::str::device {

inline constexpr const char* kCaption = "ﾃﾞﾊﾞｲｽ用ｴｸｽﾎﾟｰﾄ";

inline constexpr const char* kOutputGroup = "出力";
inline constexpr const char* kTarget = "ﾗｲﾌﾞﾗﾘ(&L):";
inline constexpr const char* kCustomTarget = "ｶｽﾀﾑ (ﾊﾞｲﾄ配列)";
inline constexpr const char* kPixelFormat = "ﾋﾟｸｾﾙ形式(&F):";
inline constexpr const char* kBits = "ﾋﾞｯﾄ";
inline constexpr const char* kArrayName = "配列名(&N):";
inline constexpr const char* kHeader = "ﾍｯﾀﾞｰﾌｧｲﾙ(.h)も出力(&H)";
inline constexpr const char* kFileKind = "出力形式(&G):";
inline constexpr const char* kCSource = "Cｿｰｽ";
inline constexpr const char* kBinary = "ﾊﾞｲﾅﾘ (.bin)";

inline constexpr const char* kLayoutGroup = "ﾊﾞｲﾄ配置";
inline constexpr const char* kByteOrder = "ﾊﾞｲﾄ順(&B):";
inline constexpr const char* kLittleEndian = "ﾘﾄﾙｴﾝﾃﾞｨｱﾝ";
inline constexpr const char* kBigEndian = "ﾋﾞｯｸﾞｴﾝﾃﾞｨｱﾝ";
inline constexpr const char* kBitOrder = "ﾋﾞｯﾄ順(&T):";
inline constexpr const char* kMsbFirst = "上位ﾋﾞｯﾄから";
inline constexpr const char* kLsbFirst = "下位ﾋﾞｯﾄから";
inline constexpr const char* kPacking = "ﾊﾟｯｷﾝｸﾞ(&P):";
inline constexpr const char* kRows = "横1行ずつ";
inline constexpr const char* kPages = "ﾍﾟｰｼﾞ (縦8ﾄﾞｯﾄ)";
inline constexpr const char* kRgbOrder = "色の順(&O):";
inline constexpr const char* kInvert = "白黒反転(&I)";
inline constexpr const char* kPaletteFormat = "ﾊﾟﾚｯﾄの色形式(&C):";
inline constexpr const char* kPalette888 = "RGB888 (3ﾊﾞｲﾄ)";
inline constexpr const char* kPalette565 = "RGB565 (2ﾊﾞｲﾄ)";

inline constexpr const char* kReductionGroup = "減色";
inline constexpr const char* kDither = "ﾃﾞｨｻﾞ(&D):";
inline constexpr const char* kDitherNone = "なし";
inline constexpr const char* kDitherFloydSteinberg = "誤差拡散 (Floyd-Steinberg)";
inline constexpr const char* kDitherAtkinson = "誤差拡散 (Atkinson)";
inline constexpr const char* kDitherOrdered = "組織的ﾃﾞｨｻﾞ (Bayer 8×8)";
inline constexpr const char* kMonoRule = "2色化の基準(&M):";
inline constexpr const char* kMonoChannels = "RGBごとの閾値";
inline constexpr const char* kMonoLuminance = "明るさ";
inline constexpr const char* kRound = "最も近いﾚﾍﾞﾙに丸める(&R)";
inline constexpr const char* kPalette = "ﾊﾟﾚｯﾄ(&K):";
inline constexpr const char* kPaletteAuto = "自動で選ぶ";
// "16色 (colours.txt)"
inline constexpr const char* kPaletteColours = "%1色 (%2)";
inline constexpr const char* kPaletteKept = "%1色";
inline constexpr const char* kPaletteFile = "ﾌｧｲﾙ(&J)...";
inline constexpr const char* kPaletteClear = "自動(&U)";
inline constexpr const char* kPaletteFilters = "Palette Files (*.txt *.hex *.pal);;All Files (*)";
inline constexpr const char* kPaletteExtension = "txt";
inline constexpr const char* kCannotReadPalette = "ﾊﾟﾚｯﾄﾌｧｲﾙを読み込めません";

inline constexpr const char* kGeometryGroup = "変形";
inline constexpr const char* kTrim = "白い余白を切り取る(&W)";
inline constexpr const char* kRotate = "回転(&A):";
inline constexpr const char* kNoRotation = "なし";
inline constexpr const char* kRotate90 = "右に90°";
inline constexpr const char* kRotate180 = "180°";
inline constexpr const char* kRotate270 = "左に90°";
inline constexpr const char* kFlip = "反転(&V):";
inline constexpr const char* kNoFlip = "なし";
inline constexpr const char* kFlipHorizontal = "左右";
inline constexpr const char* kFlipVertical = "上下";
inline constexpr const char* kFlipBoth = "上下左右";
inline constexpr const char* kResize = "ｻｲｽﾞ変更(&S)";
inline constexpr const char* kFitWhole = "全体を収める";
inline constexpr const char* kFillWhole = "全体を埋める";
inline constexpr const char* kFilterArea = "面積平均";
inline constexpr const char* kFilterLanczos = "Lanczos";
inline constexpr const char* kFilterNearest = "ﾆｱﾚｽﾄﾈｲﾊﾞｰ";

inline constexpr const char* kPreviewGroup = "ﾌﾟﾚﾋﾞｭｰ";
inline constexpr const char* kZoom = "倍率(&Z):";
// "320×240 ﾋﾟｸｾﾙ  153600 ﾊﾞｲﾄ"
inline constexpr const char* kSizeFormat = "%1×%2 ﾋﾟｸｾﾙ  %3 ﾊﾞｲﾄ";
inline constexpr const char* kWorking = "計算中...";
inline constexpr const char* kCannotExport = "この設定では出力できません";

// The status bar's picture pane: "320×240 ﾋﾟｸｾﾙ  565 (16ﾋﾞｯﾄ)  153600 ﾊﾞｲﾄ".
inline constexpr const char* kPaneFormat = "%1×%2 ﾋﾟｸｾﾙ  %3  %4 ﾊﾞｲﾄ";

inline constexpr const char* kExportButton = "ｴｸｽﾎﾟｰﾄ(&E)...";
inline constexpr const char* kCancelButton = "ｷｬﾝｾﾙ";

} // namespace res::str::device
