#include "resources/DialogTemplates.h"

namespace {

// The grid of the figure covers 36..156 units both ways with the equations below it; the fields
// and buttons sit to its right, the colour legends to its left.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"(1)y＝aｘ+b, (2)x＝c。 実数a,b,cを入れて下さい。", {8, 5, 235, 10}},
    {-1, ControlKind::Static, u"傾きa=", {162, 42, 36, 10}},
    {101, ControlKind::Edit, u"", {200, 40, 40, 12}},
    {-1, ControlKind::Static, u"y切片b=", {162, 58, 36, 10}},
    {102, ControlKind::Edit, u"", {200, 56, 40, 12}},
    {-1, ControlKind::Static, u"c =", {162, 74, 36, 10}},
    {103, ControlKind::Edit, u"", {200, 72, 40, 12}},
    {104, ControlKind::PushButton, u"開始", {162, 94, 38, 14}},
    {130, ControlKind::PushButton, u"発展", {204, 94, 38, 14}},
    {1005, ControlKind::PushButton, u"対応表", {162, 112, 38, 14}},
    {133, ControlKind::PushButton, u"ドリル", {204, 112, 38, 14}},
    {1, ControlKind::DefPushButton, u"終了", {204, 150, 38, 14}},
    {-1, ControlKind::Static, u"(1)赤", {4, 60, 28, 10}},
    {-1, ControlKind::Static, u"(2)青", {4, 74, 28, 10}},
};

} // namespace

const DialogTemplate kTemplate102 = {
    102, u"一次関数（１）", 247, 172, u"system", 10, kControls,
};
