#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {196, 128, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {151, 128, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {106, 128, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate112 = {
    112, u"方程式とグラフ", 241, 146, u"system", 10, kControls,
};
