#pragma once

#include "drill/DrillPage.h"

#include <cstdint>
#include <optional>

/// base^exponent as a whole number, or nullopt when the exponent is negative or the value does not
/// fit in 64 bits.
std::optional<std::int64_t> wholePower(int base, int exponent);

/// Topic 2775: a^(p1+p2), a^(p3-p4) and (a^p5)^p6 for a = p[0] (2 to 4); the answer writes each as
/// one power of a and its value in full (the largest, 4^9, is 262144).
void drawExponentLawsDrill(DrillPage &page);

/// Topic 2776: the inverse functions of y = ax + b (a = p[0], b = p[1]) and of y = c^x
/// (c = p[2]); the answer gives y = (1/a)x - b/a with b/a reduced, and y = log_c x.
void drawInverseFunctionDrill(DrillPage &page);
