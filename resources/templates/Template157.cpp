#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {214, 119, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {169, 119, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate157 = {
    157, u"バイオリズム", 259, 137, u"system", 10, kControls,
};
