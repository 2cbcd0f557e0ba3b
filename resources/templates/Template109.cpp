#include "resources/DialogTemplates.h"

namespace {

// The exercises fill the rows from the top and the left; the buttons stand at the bottom right,
// where no question or answer reaches.
constexpr ControlTemplate kControls[] = {
    {141, ControlKind::PushButton, u"答え", {202, 103, 40, 14}},
    {1, ControlKind::DefPushButton, u"終了", {202, 121, 40, 14}},
};

} // namespace

const DialogTemplate kTemplate109 = {
    109, u"ドリル", 247, 139, u"system", 10, kControls,
};
