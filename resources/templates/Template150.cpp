#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {193, 127, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {148, 127, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {103, 127, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate150 = {
    150, u"分 数 関 数", 238, 145, u"MS UI Gothic", 12, kControls,
};
