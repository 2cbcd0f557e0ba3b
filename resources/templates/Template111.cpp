#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {209, 118, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate111 = {
    111, u"一次変換", 254, 136, u"system", 10, kControls,
};
