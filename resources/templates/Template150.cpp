#include "resources/DialogTemplates.h"

namespace {

// The grid takes 28..124 units both ways with the formula below it; the asymptote texts and the
// inverse-proportion note stand at 133..200 across, 76..110 down. The prompt and the fields sit
// in the top right, the buttons in the bottom right.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"a, b, cに実数を入れて下さい。", {134, 4, 102, 10}},
    {-1, ControlKind::Static, u"ａ＝", {150, 22, 14, 10}},
    {105, ControlKind::Edit, u"", {166, 20, 50, 12}},
    {-1, ControlKind::Static, u"ｂ＝", {150, 38, 14, 10}},
    {106, ControlKind::Edit, u"", {166, 36, 50, 12}},
    {-1, ControlKind::Static, u"ｃ＝", {150, 54, 14, 10}},
    {107, ControlKind::Edit, u"", {166, 52, 50, 12}},
    {104, ControlKind::PushButton, u"開始", {144, 112, 40, 14}},
    {1010, ControlKind::PushButton, u"対応表", {190, 112, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {144, 128, 40, 14}},
    {1, ControlKind::DefPushButton, u"終了", {190, 128, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate150 = {
    150, u"分 数 関 数", 238, 145, u"MS UI Gothic", 12, kControls,
};
