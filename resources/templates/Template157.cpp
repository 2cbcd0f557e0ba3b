#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, u"終了", {196, 113, 36, 14}},
    {104, ControlKind::PushButton, u"開始", {196, 4, 36, 14}},
    {156, ControlKind::PushButton, u"プリント", {196, 20, 36, 14}},
    {-1, ControlKind::Static, u"生年月日", {11, 7, 33, 8}},
    {151, ControlKind::Edit, u"", {49, 5, 24, 13}},
    {-1, ControlKind::Static, u"年", {75, 7, 10, 8}},
    {152, ControlKind::Edit, u"", {88, 5, 15, 13}},
    {-1, ControlKind::Static, u"月", {106, 7, 10, 8}},
    {153, ControlKind::Edit, u"", {118, 5, 15, 13}},
    {-1, ControlKind::Static, u"日", {136, 7, 10, 8}},
    {160, ControlKind::Edit, u"", {150, 5, 20, 13}},
    {-1, ControlKind::Static, u"表示年月", {11, 22, 33, 8}},
    {154, ControlKind::Edit, u"", {49, 20, 24, 13}},
    {-1, ControlKind::Static, u"年", {75, 22, 10, 8}},
    {155, ControlKind::Edit, u"", {88, 20, 15, 13}},
    {-1, ControlKind::Static, u"月", {106, 22, 10, 8}},
};

} // namespace

const DialogTemplate kTemplate157 = {
    157, u"バイオリズム", 259, 137, u"system", 10, kControls,
};
