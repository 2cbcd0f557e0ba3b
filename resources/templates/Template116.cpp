#include "resources/DialogTemplates.h"

namespace {

// The grid covers 27..117 units both ways with the length of OP below it; the worked panel
// starts at 132 units across and 35 down. The function list sits above the panel, the buttons
// below it.
constexpr ControlTemplate kControls[] = {
    {158, ControlKind::ComboBox, u"", {140, 12, 80, 90}},
    {1, ControlKind::DefPushButton, u"終了", {199, 131, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {154, 131, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate116 = {
    116, u"三角関数の定義", 244, 149, u"system", 10, kControls,
};
