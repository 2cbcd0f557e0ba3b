#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {202, 122, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {157, 122, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate110 = {
    110, u"数    列", 247, 140, u"system", 10, kControls,
};
