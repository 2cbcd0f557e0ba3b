#include "resources/DialogTemplates.h"

namespace {

// The summand's field stands right of the summation sign of row 1 (the sign at 50 pixels, the
// rows from 33 pixels down in steps of 33); the buttons at the bottom right.
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"３次以下のｋの式を入れて下さい。", {40, 2, 160, 10}},
    {113, ControlKind::Edit, u"", {40, 14, 90, 13}},
    {1, ControlKind::DefPushButton, u"終了", {212, 148, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {167, 148, 40, 14}},
    {133, ControlKind::PushButton, u"ドリル", {122, 148, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate117 = {
    117, u"数列の和", 257, 166, u"MS UI Gothic", 12, kControls,
};
