#pragma once

#include "drill/DrillPage.h"

/// Topic 2787: the sum of the first n terms of (a k + b)(k + c), with a = p[0] (0 to 4), b = p[1]
/// and c = p[2] (1 to 6): the question lists the first two terms as products and the general
/// term; the answer is the sum to compute, ∑ of the general term in k.
void drawSequenceSumDrill(DrillPage &page);
