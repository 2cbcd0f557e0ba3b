#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {202, 121, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate109 = {
    109, u"ドリル", 247, 139, u"system", 10, kControls,
};
