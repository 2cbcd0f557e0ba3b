#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {199, 131, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {154, 131, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate116 = {
    116, u"三角関数の定義", 244, 149, u"system", 10, kControls,
};
