#include "ui/DialogTemplate.h"

DialogUnitScale dialogUnitScale(std::u16string_view face, int points)
{
    // Base units of the classic dialog fonts: a 16-pixel font (the system font, the 12-point faces)
    // gives 2 pixels per unit each way, a 12-pixel font (the 9-point faces) 3/2.
    if (face == u"system" || points >= 10) return DialogUnitScale{2, 1};
    return DialogUnitScale{3, 2};
}
