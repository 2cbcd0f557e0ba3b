#include "resources/DialogTemplates.h"

namespace {

// The grid takes the left 100 units from row 22, the matrix and the vectors the middle; the
// transformation's radio buttons sit in a group box below the grid.
constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {205, 113, 35, 14}},
    {-1, ControlKind::Static, u"マウスで点を決め、変換を選択して下さい。", {5, 5, 165, 8}},
    {-1, ControlKind::GroupBox, u"変換の選択", {5, 98, 157, 31}},
    {134, ControlKind::RadioButton, u"ｘ軸に対称", {10, 107, 50, 10}},
    {135, ControlKind::RadioButton, u"ｙ軸に対称", {10, 117, 50, 10}},
    {136, ControlKind::RadioButton, u"原点に対称", {69, 107, 52, 10}},
    {137, ControlKind::RadioButton, u"原点の回りをθﾟ回転", {69, 117, 85, 10}},
    {-1, ControlKind::Static, u"一次変換を表す行列", {115, 15, 74, 8}},
    {-1, ControlKind::Static, u"θ＝", {190, 97, 20, 8}},
    {112, ControlKind::Edit, u"", {213, 95, 22, 12}},
};

} // namespace

const DialogTemplate kTemplate111 = {
    111, u"一次変換", 254, 136, u"system", 10, kControls,
};
