#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終　了", {306, 7, 50, 14}},
    {-1, ControlKind::Static, u"選択", {14, 9, 17, 8}},
    {161, ControlKind::ComboBox, u"", {31, 7, 79, 64}},
    {-1, ControlKind::Static, u"回数", {112, 7, 24, 12}},
    {1006, ControlKind::ComboBox, u"", {138, 7, 48, 61}},
    {157, ControlKind::Static, u"", {190, 7, 25, 13}},
    {1007, ControlKind::ComboBox, u"", {217, 7, 48, 45}},
    {1008, ControlKind::CheckBox, u"軸の表示", {310, 35, 43, 10}},
};

} // namespace

const DialogTemplate kTemplate132 = {
    132, u"フラクタル", 363, 237, u"ＭＳ Ｐゴシック", 9, kControls,
};
