#include "resources/DialogTemplates.h"

namespace {

// The formula rows run from 20 units down to about 116; the angles are chosen above them, the
// function below them.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"２つの角度を選んで下さい。α=", {6, 4, 114, 10}},
    {158, ControlKind::ComboBox, u"", {120, 2, 40, 120}},
    {-1, ControlKind::Static, u"β=", {166, 4, 12, 10}},
    {156, ControlKind::ComboBox, u"", {180, 2, 40, 120}},
    {-1, ControlKind::GroupBox, u"三角関数選択", {6, 116, 120, 26}},
    {109, ControlKind::AutoRadioButton, u"sin", {14, 127, 30, 10}, 1},
    {110, ControlKind::AutoRadioButton, u"cos", {50, 127, 30, 10}, 1},
    {111, ControlKind::AutoRadioButton, u"tan", {86, 127, 30, 10}, 1},
    {1, ControlKind::DefPushButton, u"終了", {187, 127, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate115 = {
    115, u"加法定理", 232, 145, u"system", 10, kControls,
};
