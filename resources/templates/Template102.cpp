#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {202, 154, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {157, 154, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {112, 154, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate102 = {
    102, u"一次関数（１）", 247, 172, u"system", 10, kControls,
};
