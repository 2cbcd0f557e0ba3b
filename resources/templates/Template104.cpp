#include "resources/DialogTemplates.h"

namespace {

// The circle covers 16..80 units both ways, the graph 100..220 across and 8..88 down, the value
// panel 5..100 across at 80..102 down. The function choice and the angle sit below them.
constexpr ControlTemplate kControls[] = {
    {109, ControlKind::AutoRadioButton, u"sin", {6, 106, 30, 10}, 1},
    {110, ControlKind::AutoRadioButton, u"cos", {40, 106, 30, 10}, 1},
    {111, ControlKind::AutoRadioButton, u"tan", {74, 106, 30, 10}, 1},
    {-1, ControlKind::Static, u"角度", {6, 120, 18, 10}},
    {112, ControlKind::HScrollBar, u"", {26, 119, 96, 10}},
    {-1, ControlKind::Static, u"0 - 360", {124, 120, 30, 10}},
    {1, ControlKind::DefPushButton, u"終了", {202, 113, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {157, 113, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate104 = {
    104, u"三角関数のグラフ", 247, 131, u"system", 10, kControls,
};
