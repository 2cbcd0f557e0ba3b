#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {201, 177, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {156, 177, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate101 = {
    101, u"グラフの意味", 246, 195, u"system", 10, kControls,
};
