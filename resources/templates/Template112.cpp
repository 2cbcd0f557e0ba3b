#include "resources/DialogTemplates.h"

namespace {

// The figure fills 58..122 units from the top (the arrow diagrams, the equation's working) and
// the icon with "数と式" stands at 176..210 units to the right at the top; the texts and fields sit
// at the top left, the note and the buttons below the figure.
constexpr ControlTemplate kControls[] = {
    {157, ControlKind::Static, u"２次関数のグラフと直線の交点を調べます。", {4, 3, 168, 10}},
    {-1, ControlKind::Static, u"□にｘの式を入れて下さい。", {4, 15, 168, 10}},
    {-1, ControlKind::Static, u"(1)２次関数 f=", {4, 30, 60, 10}},
    {148, ControlKind::Edit, u"", {64, 28, 100, 12}},
    {-1, ControlKind::Static, u" (放物線)", {166, 30, 44, 10}},
    {-1, ControlKind::Static, u"(2)１次関数 g=", {4, 44, 60, 10}},
    {149, ControlKind::Edit, u"", {64, 42, 100, 12}},
    {-1, ControlKind::Static, u" (直線)", {166, 44, 44, 10}},
    {-1, ControlKind::Static, u"（グラフ表示は「不等式の領域」を参照）", {4, 124, 100, 20}},
    {104, ControlKind::PushButton, u"開始", {151, 128, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {106, 128, 40, 14}},
    {1, ControlKind::DefPushButton, u"終了", {196, 128, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate112 = {
    112, u"方程式とグラフ", 241, 146, u"system", 10, kControls,
};
