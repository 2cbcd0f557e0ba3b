#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {189, 120, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {144, 120, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {99, 120, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate105 = {
    105, u"行    列", 234, 138, u"system", 10, kControls,
};
