#include "resources/DialogTemplates.h"

namespace {

// The parabola's grid covers 33..143 units both ways with the vertex texts below it; the
// composition formula fills the left 161 units, its legend 168..245 units at 74..91. The fields
// sit at the top right, the buttons at the right below the legend.
constexpr ControlTemplate kControls[] = {
    {157, ControlKind::Static, u"a, b, cに実数を入れて下さい。", {150, 6, 104, 10}},
    {-1, ControlKind::Static, u"ａ＝", {166, 26, 14, 10}},
    {105, ControlKind::Edit, u"", {182, 24, 60, 12}},
    {-1, ControlKind::Static, u"ｂ＝", {166, 42, 14, 10}},
    {106, ControlKind::Edit, u"", {182, 40, 60, 12}},
    {-1, ControlKind::Static, u"ｃ＝", {166, 58, 14, 10}},
    {107, ControlKind::Edit, u"", {182, 56, 60, 12}},
    {104, ControlKind::PushButton, u"開始", {170, 100, 38, 14}},
    {1009, ControlKind::PushButton, u"対応表", {212, 100, 38, 14}},
    {133, ControlKind::PushButton, u"ドリル", {170, 120, 38, 14}},
    {1, ControlKind::DefPushButton, u"終了", {212, 120, 38, 14}},
};

} // namespace

const DialogTemplate kTemplate103 = {
    103, u"二次関数（放物線）", 256, 168, u"system", 10, kControls,
};
