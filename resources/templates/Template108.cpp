#include "resources/DialogTemplates.h"

namespace {

// The graph covers 15..170 units across and 46..202 down with its "y" label from 31; the panel
// stands at 180..286 units, 75..173 down. The prompt and the field sit above the graph, the
// buttons below the panel.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u" ｘの１次・２次不等式を入れて下さい。", {8, 3, 180, 10}},
    {131, ControlKind::Edit, u"", {8, 15, 150, 12}},
    {104, ControlKind::PushButton, u"開始", {208, 205, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {163, 205, 40, 14}},
    {1, ControlKind::DefPushButton, u"終了", {253, 205, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate108 = {
    108, u"不等式", 298, 223, u"MS UI Gothic", 12, kControls,
};
