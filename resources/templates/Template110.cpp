#include "resources/DialogTemplates.h"

namespace {

// The arithmetic sequence's fields stand above its yellow panel (which starts at 33 pixels), the
// term number before its n-th term row, the geometric sequence's fields between the arithmetic
// sum (down to 121 pixels) and the geometric panel (from 164 pixels).
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Static, u"等差数列：初項", {4, 6, 60, 10}},
    {143, ControlKind::Edit, u"", {64, 4, 28, 12}},
    {-1, ControlKind::Static, u"、公差", {94, 6, 26, 10}},
    {144, ControlKind::Edit, u"", {120, 4, 28, 12}},
    {-1, ControlKind::Static, u"のとき", {150, 6, 28, 10}},
    {-1, ControlKind::Static, u"第", {8, 33, 10, 10}},
    {145, ControlKind::Edit, u"", {20, 31, 24, 12}},
    {-1, ControlKind::Static, u"項＝", {46, 33, 20, 10}},
    {-1, ControlKind::Static, u"等比数列：初項", {4, 66, 60, 10}},
    {146, ControlKind::Edit, u"", {64, 64, 28, 12}},
    {-1, ControlKind::Static, u"、公比", {94, 66, 26, 10}},
    {147, ControlKind::Edit, u"", {120, 64, 28, 12}},
    {-1, ControlKind::Static, u"のとき", {150, 66, 28, 10}},
    {1, ControlKind::DefPushButton, u"終了", {202, 122, 40, 14}},
    {104, ControlKind::PushButton, u"開始", {157, 122, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate110 = {
    110, u"数    列", 247, 140, u"system", 10, kControls,
};
