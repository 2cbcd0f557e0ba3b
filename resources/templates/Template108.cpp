#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {253, 205, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {208, 205, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {163, 205, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate108 = {
    108, u"不等式", 298, 223, u"MS UI Gothic", 12, kControls,
};
