#include "resources/MainMenu.h"

#include <array>

namespace {

constexpr MenuItemData kFile[] = {
    {57603, u"上書き保存\tCtrl+S(&S)"},
    {57604, u"名前を付けて保存(&A)..."},
    {0, u""},
    {57665, u"アプリケーションの終了(&X)"},
};

constexpr MenuItemData kDifficulty[] = {
    {2790, u"中学程度", false},
    {2791, u"高校程度", true},
};

constexpr MenuItemData kSketch[] = {
    {57633, u"画面クリア(\u001EA\u001Fﾁ)"},
    {0, u""},
    {2773, u"線対称  (\u001EL\u001Fﾘ)"},
    {2774, u"点対称  (\u001EP\u001Fｾ)"},
};

constexpr MenuItemData kHelp[] = {
    {57664, u"バージョン情報 Tessaryn(&A)..."},
};

constexpr MenuPopupData kMenu[] = {
    {.title = u"ファイル(&F)", .items = kFile},
    {.title = u"学習選択(\u001ES)", .items = {}, .lessons = true},
    {.title = u"難易度(\u001ED)", .items = kDifficulty},
    {.title = u"絵かき(\u001EE\u001Fｼ)", .items = kSketch},
    {.title = u"ヘルプ(&H)", .items = kHelp, .atRightEnd = true},
};

struct PromptData
{
    int id;
    std::u16string_view text;
};

// The strings of the commands; the part after "\n" is a short name the status bar does not show.
// The exit string has a backslash where the others have a newline, so all of it is the prompt.
constexpr PromptData kPrompts[] = {
    {57603, u"作業中のファイルを上書きして保存\n保存"},
    {57604, u"作業中のファイルを新しい名前で保存\n名前をつけて保存"},
    {57633, u"すべて消去\nすべて消去"},
    {57664, u"プログラム情報、バージョン、著作権を表示します。\nバージョン情報"},
    {57665, u"アプリケーションを終了し、ファイルの保存を指示\\終了"},
};

constexpr AcceleratorData kAccelerators[] = {
    {u"Ctrl+N", 57600},        {u"Ctrl+O", 57601}, {u"Ctrl+S", 57603},    {u"Ctrl+Z", 57643},
    {u"Alt+Backspace", 57643}, {u"Ctrl+X", 57635}, {u"Shift+Del", 57635}, {u"Ctrl+C", 57634},
    {u"Ctrl+Ins", 57634},      {u"Ctrl+V", 57637}, {u"Shift+Ins", 57637}, {u"F6", 57680},
    {u"Shift+F6", 57681},
};

} // namespace

std::span<const MenuPopupData> mainMenu()
{
    return kMenu;
}

std::u16string_view commandPrompt(int id)
{
    for (const PromptData &p : kPrompts) {
        if (p.id == id) return p.text.substr(0, p.text.find(u'\n'));
    }
    return {};
}

std::span<const AcceleratorData> acceleratorTable()
{
    return kAccelerators;
}
