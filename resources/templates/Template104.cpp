#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {202, 113, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {157, 113, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate104 = {
    104, u"三角関数のグラフ", 247, 131, u"system", 10, kControls,
};
