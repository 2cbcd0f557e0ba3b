#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {211, 150, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {166, 150, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {121, 150, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate103 = {
    103, u"二次関数（放物線）", 256, 168, u"system", 10, kControls,
};
