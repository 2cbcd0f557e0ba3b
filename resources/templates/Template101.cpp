#include "resources/DialogTemplates.h"

namespace {

// The grid of the figure covers 33..143 units both ways, the legend box 149..206 x 38..83 and the
// point table is the black frame 1002; the buttons sit to the right of them.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"黄色の部分をマウスで押して、点を決めて下さい。", {20, 5, 220, 10}},
    {-1, ControlKind::Static, u"縦軸", {26, 22, 20, 10}},
    {-1, ControlKind::Static, u"横軸", {146, 138, 20, 10}},
    {1001, ControlKind::PushButton, u"取り消し", {160, 98, 50, 14}},
    {1003, ControlKind::RadioButton, u"正比例", {160, 118, 50, 12}},
    {1004, ControlKind::RadioButton, u"反比例", {160, 132, 50, 12}},
    {1002, ControlKind::BlackFrame, u"", {20, 160, 166, 29}},
    {133, ControlKind::PushButton, u"ドリル", {196, 158, 44, 14}},
    {1, ControlKind::DefPushButton, u"終了", {196, 176, 44, 14}},
};

} // namespace

const DialogTemplate kTemplate101 = {
    101, u"グラフの意味", 246, 195, u"system", 10, kControls,
};
