#include "drill/DrillParameters.h"

#include "drill/LogDrill.h"

#include <algorithm>

namespace {

void set(DrillParams &p, int index, int value)
{
    p[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
}

int get(const DrillParams &p, int index)
{
    return p[static_cast<std::size_t>(index)];
}

// Variant 0 is a direct proportion (areas of triangles on base 2k+2 for heights 0..4), variant 1
// an inverse one (heights for bases 1..5 of triangles of area 3k+3, kept as twice the area over the
// base).
void drawProportion(std::int16_t &variant, DrillParams &p, DrillRandom &random)
{
    variant = static_cast<std::int16_t>(random.below(2));
    const int k = random.below(5);
    if (variant == 1) {
        set(p, 0, 3 * k + 3);
        for (int i = 0; i < 5; ++i) {
            set(p, 10 + i, 6 * k + 6);
            set(p, 15 + i, i + 1);
        }
        return;
    }
    set(p, 0, 2 * k + 2);
    set(p, 10, 0);
    set(p, 11, k + 1);
    set(p, 12, 2 * k + 2);
    set(p, 13, (2 * k + 2) * 3 / 2);
    set(p, 14, 4 * k + 4);
    for (int i = 15; i < 20; ++i)
        set(p, i, 1);
}

void drawExponentLaws(DrillParams &p, DrillRandom &random)
{
    set(p, 0, random.below(3) + 2);
    for (int i = 1; i <= 4; ++i)
        set(p, i, random.below(4) + 1);
    // The exponents of the quotient never give a negative difference.
    if (get(p, 3) < get(p, 4)) set(p, 3, get(p, 4));
    set(p, 5, random.below(2) + 2);
    set(p, 6, random.below(2) + 2);
    set(p, 10, get(p, 1) + get(p, 2));
    set(p, 11, get(p, 3) - get(p, 4));
    set(p, 12, get(p, 5) * get(p, 6));
}

// a(x + p1)(x + p2) with a != 0 and p2 != 0; p11 <= p12 are the roots.
void drawInequality(DrillParams &p, DrillRandom &random)
{
    set(p, 0, random.nonZero(10, 5));
    set(p, 10, -get(p, 0));
    set(p, 1, random.below(10) - 5);
    const int second = random.below(10) - 5;
    set(p, 2, second == 0 ? 1 : second);
    set(p, 11, std::min(-get(p, 1), -get(p, 2)));
    set(p, 12, std::max(-get(p, 1), -get(p, 2)));
}

// Variant 0: the discriminant of p0 x² + p1 x + p2; variant 1: y = x² + 2b x + c0 touches y = c at
// c = c0 - b².
void drawEquationGraph(std::int16_t &variant, DrillParams &p, DrillRandom &random)
{
    variant = static_cast<std::int16_t>(random.below(2));
    for (int i = 0; i < 3; ++i)
        set(p, i, random.nonZero(7, 3));
    const int a = get(p, 0);
    const int b = get(p, 1);
    const int c = get(p, 2);
    if (variant == 1) {
        set(p, 10, c - b * b);
        set(p, 0, 1);
        set(p, 1, 2 * b);
    } else {
        set(p, 10, b * b - 4 * a * c);
    }
}

void drawFractionalShift(DrillParams &p, DrillRandom &random)
{
    set(p, 0, random.below(7) + 1);
    for (int i = 1; i <= 3; ++i)
        set(p, i, random.below(7) - 3);
    if (get(p, 3) == 0) set(p, 3, -1);
    const int dy = random.below(7) - 3;
    set(p, 4, dy == 0 ? -1 : dy);
    set(p, 10, get(p, 1) + get(p, 3));
    set(p, 11, get(p, 4) + get(p, 2));
}

// A = (p0 p1; p2 p3), B = (p4 p5; p6 p7); p10..13 = A + B, p14..17 = AB.
void drawMatrices(DrillParams &p, DrillRandom &random)
{
    for (int i = 0; i < 8; ++i)
        set(p, i, random.below(10) - 5);
    for (int i = 0; i < 4; ++i)
        set(p, 10 + i, get(p, i) + get(p, 4 + i));
    set(p, 14, get(p, 0) * get(p, 4) + get(p, 1) * get(p, 6));
    set(p, 15, get(p, 0) * get(p, 5) + get(p, 1) * get(p, 7));
    set(p, 16, get(p, 2) * get(p, 4) + get(p, 3) * get(p, 6));
    set(p, 17, get(p, 2) * get(p, 5) + get(p, 3) * get(p, 7));
}

} // namespace

bool drawDrillParameters(std::int16_t topic, std::int16_t &variant, DrillParams &p,
                         DrillRandom &random)
{
    using namespace DrillTopic;
    switch (topic) {
    case Proportion:
        drawProportion(variant, p, random);
        return true;
    case LinearGraph:
        set(p, 0, random.nonZero(10, 5));
        set(p, 1, random.below(10) - 5);
        return true;
    case Parabola:
        set(p, 0, random.nonZero(10, 5));
        set(p, 1, random.below(10) - 5);
        set(p, 2, random.below(10) - 5);
        return true;
    case TrigValues:
        set(p, 0, random.below(9));
        return true;
    case ExponentLaws:
        drawExponentLaws(p, random);
        return true;
    case InverseFunction:
        set(p, 0, random.below(7) + 2);
        set(p, 1, random.below(7) + 1);
        set(p, 2, random.below(4) + 2);
        return true;
    case Inequality:
        drawInequality(p, random);
        return true;
    case EquationGraph:
        drawEquationGraph(variant, p, random);
        return true;
    case FractionalShift:
        drawFractionalShift(p, random);
        return true;
    case TrigDefinition:
        set(p, 0, random.below(4));
        set(p, 1, random.below(2) + 1);
        return true;
    case Logarithm:
        set(p, 0, random.below(kLogDrillBases));
        set(p, 1, 10 * random.below(10) + 10);
        deriveLogDrillValues(p);
        return true;
    case SequenceSum:
        set(p, 0, random.below(5));
        set(p, 1, random.below(6) + 1);
        set(p, 2, random.below(6) + 1);
        return true;
    case Composition:
        set(p, 0, random.below(kCompositionRows));
        return true;
    case MatrixBasics:
    case Simultaneous:
        drawMatrices(p, random);
        return true;
    case SetCorrespondence:
        set(p, 0, random.below(4) + 1);
        set(p, 1, random.below(8) + 1);
        set(p, 2, random.below(5) + 1);
        return true;
    default:
        return false;
    }
}
