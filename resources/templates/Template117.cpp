#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {212, 148, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {167, 148, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {122, 148, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate117 = {
    117, u"数列の和", 257, 166, u"MS UI Gothic", 12, kControls,
};
