#include "resources/DialogTemplates.h"

namespace {

// The figure fills rows 5 to 14 of the cells (from y = 80 pixels) up to x = 190 units; the
// instruction and the three fields stand above it, the buttons in the column on the right.
constexpr ControlTemplate kControls[] = {
    {157, ControlKind::Static, u"aに自然数、m,nに分数(整数)を入れて下さい。", {6, 4, 184, 10}},
    {-1, ControlKind::Static, u"ａ＝", {8, 22, 14, 10}},
    {125, ControlKind::Edit, u"", {22, 20, 32, 12}},
    {-1, ControlKind::Static, u"ｍ＝", {62, 22, 14, 10}},
    {126, ControlKind::Edit, u"", {76, 20, 32, 12}},
    {-1, ControlKind::Static, u"ｎ＝", {116, 22, 14, 10}},
    {127, ControlKind::Edit, u"", {130, 20, 32, 12}},
    {104, ControlKind::PushButton, u"開始", {196, 4, 36, 14}},
    {129, ControlKind::PushButton, u"法則", {196, 22, 36, 14}},
    {133, ControlKind::PushButton, u"ドリル", {196, 104, 36, 14}},
    {1, ControlKind::DefPushButton, u"終了", {196, 122, 36, 14}},
};

} // namespace

const DialogTemplate kTemplate106 = {
    106, u"指数法則", 236, 140, u"system", 10, kControls,
};
