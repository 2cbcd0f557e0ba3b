#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {191, 122, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {146, 122, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {101, 122, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate106 = {
    106, u"指数法則", 236, 140, u"system", 10, kControls,
};
