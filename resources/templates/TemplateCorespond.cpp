#include "resources/DialogTemplates.h"

namespace {

// The table itself is drawn in the client area above the scroll bar 1100.
constexpr ControlTemplate kControls[] = {
    {1100, ControlKind::HScrollBar, u"", {0, 62, 320, 8}},
};

} // namespace

const DialogTemplate kTemplateCorespond = {
    9001, u"対応表", 320, 70, u"system", 10, kControls,
};
