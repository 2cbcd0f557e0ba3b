#pragma once

#include "drill/DrillPage.h"
#include "drill/DrillParameters.h"

#include <array>
#include <string_view>

/// One coefficient of the composition exercise: the whole number, or the square root of it when
/// `rooted` is set (the sign stays outside the root: -3 rooted is -√3).
struct CompositionCoefficient
{
    int value;
    bool rooted;
};

/// One row of the composition table: a sinθ + b cosθ = r sin(θ + α).
struct CompositionRow
{
    std::u16string_view alpha; ///< α as shown in the answer, "-5π/6" to "+5π/6"
    CompositionCoefficient a;
    CompositionCoefficient b;
    int r;
};

/// The questions of topic 2788, one per angle α from -5π/6 to 5π/6 in steps of π/12 or π/6.
extern const std::array<CompositionRow, kCompositionRows> kCompositionTable;

/// The angles of topic 2771 in degrees, indexed by p[0].
inline constexpr std::array<int, 9> kTrigDrillAngles = {0, 30, 45, 60, 90, 120, 135, 150, 180};

/// Topic 2771: cos, sin and tan of one angle from `kTrigDrillAngles`; the answer draws the
/// reference triangle OHA and the exact value panels.
void drawTrigValuesDrill(DrillPage &page);

/// Topic 2785: cos θ and tan θ from sin θ = ±n/3 (n = p[1]) with θ in quadrant p[0] (0 to 3),
/// worked out through cos²θ = 1 - sin²θ.
void drawTrigDefinitionDrill(DrillPage &page);

/// Topic 2788: the angle α of a sinθ + b cosθ = r sin(θ + α) for the table row p[0].
void drawCompositionDrill(DrillPage &page);
