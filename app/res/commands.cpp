// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/res/commands.h"

#include "app/res/resource.h"

#include <algorithm>

namespace res {

namespace {

const Command kCommands[] = {
    {ID_FILE_NEW, "新規作成(&N)", "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ", {Qt::CTRL | Qt::Key_N}},
    {ID_FILE_OPEN, "開く(&O)...", "既存のﾌｧｲﾙを開く\n開く", {Qt::CTRL | Qt::Key_O}},
    {ID_FILE_CLOSE, "閉じる(&C)", "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_FILE_SAVE, "上書き保存(&S)", "作業中のﾌｧｲﾙを上書きして保存\n保存", {Qt::CTRL | Qt::Key_S}},
    {ID_FILE_SAVE_AS, "名前を付けて保存(&A)...", "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"},
    {ID_IMPORT_BMP, "BMPﾌｧｲﾙからｲﾝﾎﾟｰﾄ", "Bitmapﾌｧｲﾙからのｲﾝﾎﾟｰﾄ\nBitmapﾌｧｲﾙからのｲﾝﾎﾟｰﾄ"},
    {ID_IMPORT_PICTURE, "画像ﾌｧｲﾙからｲﾝﾎﾟｰﾄ(&P)...",
     "PNG、GIF、JPEG など画像ﾌｧｲﾙからのｲﾝﾎﾟｰﾄ\n画像ﾌｧｲﾙからのｲﾝﾎﾟｰﾄ"},
    {ID_EXPORT_FORMAT1, "FORMAT_1", "ﾌｫｰﾏｯﾄ 1(配列)\nﾌｫｰﾏｯﾄ 1(配列)"},
    {ID_EXPORT_FORMAT2, "FORMAT_2", "ﾌｫｰﾏｯﾄ 2(ｶﾝﾏ区切)\nﾌｫｰﾏｯﾄ 2(ｶﾝﾏ区切)"},
    {ID_EXPORT_DEVICE, "ﾃﾞﾊﾞｲｽ用ｴｸｽﾎﾟｰﾄ(&D)...",
     "表示ﾗｲﾌﾞﾗﾘやﾃﾞｨｽﾌﾟﾚｲのﾋﾟｸｾﾙ形式に合わせてﾌﾟﾚﾋﾞｭｰを見ながらｴｸｽﾎﾟｰﾄ\nﾃﾞﾊﾞｲｽ用ｴｸｽﾎﾟｰﾄ"},
    {ID_FILE_PRINT, "印刷(&P)...", "作業中のﾌｧｲﾙを印刷\n印刷", {Qt::CTRL | Qt::Key_P}},
    {ID_FILE_PRINT_PREVIEW, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀの設定(&R)...", "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更\n印刷設定"},
    {ID_FILE_SEND_MAIL, "送信(&D)...", "電子ﾒｰﾙ ｼｽﾃﾑを使って、作業中の文書を送信/回覧\n送信"},
    {ID_FILE_MRU_FILE1, "最近使ったﾌｧｲﾙ", "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 1, nullptr, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 2, nullptr, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 3, nullptr, "指定のﾌｧｲﾙを開く"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_EDIT_UNDO, "元に戻す(&U)", "直前に行った動作を元に戻す\n元に戻す",
     {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}},
    {ID_EDIT_CUT, "切り取り(&T)", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り",
     {Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete}},
    {ID_EDIT_COPY, "ｺﾋﾟｰ(&C)", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ",
     {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}},
    {ID_EDIT_PASTE, "貼り付け(&P)", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け",
     {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}},
    {ID_COLOR_16BPP, "65000色化(16bpp)", "65000色(16bpp)に減色"},
    {ID_COLOR_15BPP, "32000色化(15bpp)", "32000色(15bpp)に減色"},
    {ID_COLOR_256, "256色化", nullptr},
    {ID_COLOR_64, "64色化", "64色に減色"},
    {ID_COLOR_MONO, "2色化", nullptr},
    {ID_COLOR_ORIGINAL, "元色", nullptr},
    {ID_THRESHOLD, "閾値設定(&S)", "閾値設定"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)", "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    {ID_ZOOM, "表示・印刷倍率(&Z)", "表示と印刷の倍率を設定"},
    {ID_WINDOW_NEW, "新しいｳｨﾝﾄﾞｳを開く(&N)", "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ"},
    {ID_WINDOW_CASCADE, "重ねて表示(&C)", "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, "並べて表示(&T)", "ｳｨﾝﾄﾞｳを並べて表示\n並べて表示"},
    {ID_WINDOW_ARRANGE, "ｱｲｺﾝの整列(&A)", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
    {ID_HOMEPAGE, "SorvelSystem HomePage", "Sorvel Systemのﾎｰﾑﾍﾟｰｼﾞへｱｸｾｽする"},
    {ID_APP_ABOUT, "TOVIX のﾊﾞｰｼﾞｮﾝ情報(&A)...", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_NEXT_PANE, nullptr, "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ", {Qt::Key_F6}},
    {ID_PREV_PANE, nullptr, "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ", {Qt::SHIFT | Qt::Key_F6}},
};

using K = MenuItemKind;

constexpr MenuItem Popup(const char* pszLabel) { return {K::Popup, 0, pszLabel}; }
constexpr MenuItem SubMenu(const char* pszLabel) { return {K::SubMenu, 0, pszLabel}; }
constexpr MenuItem Cmd(int nId) { return {K::Command, nId, nullptr}; }
constexpr MenuItem kSeparator{K::Separator};
constexpr MenuItem kEndSubMenu{K::EndSubMenu};

const MenuItem kMenuMainFrame[] = {
    Popup("ﾌｧｲﾙ(&F)"),
    Cmd(ID_FILE_NEW),
    Cmd(ID_FILE_OPEN),
    kSeparator,
    Cmd(ID_FILE_PRINT_SETUP),
    kSeparator,
    Cmd(ID_FILE_MRU_FILE1),
    kSeparator,
    Cmd(ID_APP_EXIT),
    Popup("表示(&V)"),
    Cmd(ID_VIEW_TOOLBAR),
    Cmd(ID_VIEW_STATUS_BAR),
    Popup("ﾍﾙﾌﾟ(&H)"),
    Cmd(ID_HOMEPAGE),
    Cmd(ID_APP_ABOUT),
};

const MenuItem kMenuDocument[] = {
    Popup("ﾌｧｲﾙ(&F)"),
    Cmd(ID_FILE_NEW),
    Cmd(ID_FILE_OPEN),
    Cmd(ID_FILE_CLOSE),
    Cmd(ID_FILE_SAVE),
    Cmd(ID_FILE_SAVE_AS),
    kSeparator,
    SubMenu("ｲﾝﾎﾟｰﾄ(&I)"),
    Cmd(ID_IMPORT_BMP),
    Cmd(ID_IMPORT_PICTURE),
    kEndSubMenu,
    SubMenu("ｴｸｽﾎﾟｰﾄ(&E)"),
    Cmd(ID_EXPORT_FORMAT1),
    Cmd(ID_EXPORT_FORMAT2),
    Cmd(ID_EXPORT_DEVICE),
    kEndSubMenu,
    kSeparator,
    Cmd(ID_FILE_PRINT),
    Cmd(ID_FILE_PRINT_PREVIEW),
    Cmd(ID_FILE_PRINT_SETUP),
    kSeparator,
    Cmd(ID_FILE_SEND_MAIL),
    kSeparator,
    Cmd(ID_FILE_MRU_FILE1),
    kSeparator,
    Cmd(ID_APP_EXIT),
    Popup("編集(&E)"),
    Cmd(ID_EDIT_UNDO),
    kSeparator,
    Cmd(ID_EDIT_CUT),
    Cmd(ID_EDIT_COPY),
    Cmd(ID_EDIT_PASTE),
    kSeparator,
    Cmd(ID_COLOR_16BPP),
    Cmd(ID_COLOR_15BPP),
    Cmd(ID_COLOR_256),
    Cmd(ID_COLOR_64),
    Cmd(ID_COLOR_MONO),
    Cmd(ID_COLOR_ORIGINAL),
    kSeparator,
    Cmd(ID_THRESHOLD),
    Popup("表示(&V)"),
    Cmd(ID_VIEW_TOOLBAR),
    Cmd(ID_VIEW_STATUS_BAR),
    kSeparator,
    Cmd(ID_ZOOM),
    Popup("ｳｨﾝﾄﾞｳ(&W)"),
    Cmd(ID_WINDOW_NEW),
    Cmd(ID_WINDOW_CASCADE),
    Cmd(ID_WINDOW_TILE_HORZ),
    Cmd(ID_WINDOW_ARRANGE),
    Popup("ﾍﾙﾌﾟ(&H)"),
    Cmd(ID_HOMEPAGE),
    Cmd(ID_APP_ABOUT),
};

const int kToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT, 0,
    ID_APP_ABOUT,
};

} // namespace

std::span<const Command> Commands()
{
    return kCommands;
}

const Command* FindCommand(int nId)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [nId](const Command& c) { return c.nId == nId; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const MenuItem> Menu(int nMenuId)
{
    if (nMenuId == IDR_TOVIXTYPE) return kMenuDocument;
    return kMenuMainFrame;
}

std::span<const int> ToolbarButtons()
{
    return kToolbar;
}

} // namespace res
