#include "resources/DialogTemplates.h"

namespace {

// The grid takes 20..120 units across and 30..130 down, the panel 140..255 across from 20 down;
// the prompt sits above the figure, the buttons below the panel.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"マウスで２点を決め、開始ボタンを押して下さい。", {10, 4, 220, 10}},
    {1, ControlKind::DefPushButton, u"終了", {230, 124, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {185, 124, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate114 = {
    114, u"一次関数（２）", 275, 142, u"system", 10, kControls,
};
