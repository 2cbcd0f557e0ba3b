#include "resources/DialogTemplates.h"

namespace {

// The graph covers 31..137 units both ways under the legend strip (6..156 units wide, 5..21
// high); the definition group stands at the top right, the field and the buttons below it.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::GroupBox, u"定義", {180, 2, 64, 54}},
    {-1, ControlKind::Static, u"↑↓", {200, 27, 20, 10}},
    {-1, ControlKind::Static, u"ａ＝", {166, 72, 14, 10}},
    {113, ControlKind::Edit, u"", {182, 70, 50, 12}},
    {104, ControlKind::PushButton, u"開始", {160, 96, 40, 14}},
    {129, ControlKind::PushButton, u"基本", {204, 96, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {160, 116, 40, 14}},
    {1, ControlKind::DefPushButton, u"終了", {204, 116, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate107 = {
    107, u"指数・対数関数", 249, 148, u"system", 10, kControls,
};
