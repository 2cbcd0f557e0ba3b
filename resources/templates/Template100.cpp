#include "resources/DialogTemplates.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Icon, u"", {14, 14, 21, 20}},
    {-1, ControlKind::Static, u"Tessaryn, Version 3.0", {42, 14, 114, 8}},
    {-1, ControlKind::Static, u"数学を図で学ぶ学習プログラム", {42, 26, 114, 8}},
    {1, ControlKind::DefPushButton, u"OK", {113, 41, 50, 14}},
};

} // namespace

const DialogTemplate kTemplate100 = {
    100, u"バージョン情報 Tessaryn", 170, 62, u"MS UI Gothic", 9, kControls,
};
