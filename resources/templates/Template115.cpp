#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {187, 127, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate115 = {
    115, u"加法定理", 232, 145, u"system", 10, kControls,
};
