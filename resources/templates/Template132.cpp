#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終　了", {318, 219, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate132 = {
    132, u"フラクタル", 363, 237, u"ＭＳ Ｐゴシック", 9, kControls,
};
