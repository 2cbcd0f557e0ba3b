#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {204, 130, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {159, 130, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {114, 130, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate107 = {
    107, u"指数・対数関数", 249, 148, u"system", 10, kControls,
};
