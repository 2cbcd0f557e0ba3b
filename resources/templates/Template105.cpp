#include "resources/DialogTemplates.h"

namespace {

// The figure fills the left 192 units below row 45; the buttons stand at its right.
constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {196, 117, 30, 14}},
    {104, ControlKind::PushButton, u"開始", {196, 50, 30, 14}},
    {133, ControlKind::PushButton, u"ドリル", {196, 70, 30, 14}},
    {-1, ControlKind::Static, u"□に整数を入れて下さい。", {5, 3, 100, 8}},
    {161, ControlKind::ComboBox, u"", {125, 1, 70, 60}},
    {-1, ControlKind::Static, u"Ａ＝", {9, 25, 20, 8}},
    {113, ControlKind::Edit, u"", {42, 15, 20, 13}},
    {114, ControlKind::Edit, u"", {67, 15, 20, 13}},
    {115, ControlKind::Edit, u"", {42, 30, 20, 13}},
    {116, ControlKind::Edit, u"", {67, 30, 20, 13}},
    {-1, ControlKind::Static, u"Ｂ＝", {106, 25, 18, 8}},
    {117, ControlKind::Edit, u"", {140, 15, 20, 13}},
    {118, ControlKind::Edit, u"", {165, 15, 20, 13}},
    {119, ControlKind::Edit, u"", {140, 30, 20, 13}},
    {120, ControlKind::Edit, u"", {165, 30, 20, 13}},
};

} // namespace

const DialogTemplate kTemplate105 = {
    105, u"行    列", 234, 138, u"system", 10, kControls,
};
