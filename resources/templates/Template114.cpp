#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {230, 124, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {185, 124, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate114 = {
    114, u"一次関数（２）", 275, 142, u"system", 10, kControls,
};
