#pragma once

#include "drill/DrillPage.h"
#include "drill/DrillParameters.h"

/// Bases the logarithm drill draws from (index p[0]).
constexpr int kLogDrillBases = 6;

/// Fills the derived values of the logarithm drill from its base index p[0] (0 to 5, standing for
/// x = 2, 3, 4, 6, 8, 9): p[10] = b and p[11] = c, the powers of 2 and 3 in 2x, p[12] = 2^b and
/// p[13] = 3^c. An index out of range leaves them untouched.
void deriveLogDrillValues(DrillParams &p);

/// Topic 2786: the common logarithm of (5/x)^n and what it tells about (5/x)^n, the number of
/// integer digits when 5/x > 1, the first non-zero decimal place when 5/x < 1. The answer works
/// log 5/x = log 10/(2x) = 1 - b log 2 - c log 3 out with log 2 = 0.3010 and log 3 = 0.4771.
void drawLogarithmDrill(DrillPage &page);
