#include "bench/WindowRepaint.h"
#include "drill/Drill.h"
#include "lessons/matrix/Matrix.h"
#include "lessons/matrix/Trans.h"
#include "ui/SeedSource.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Mode 0 with A = (1 2; 3 4), B = (5 6; 7 8) and the given operation.
void paintOperation(benchmark::State &state, int operation)
{
    CMatrix window;
    window.initialize();
    for (int i = 0; i < 8; ++i)
        window.setControlText(113 + i, std::u16string(1, static_cast<char16_t>(u'1' + i)));
    window.selectComboEntry(161, operation);
    repaintWindow(state, window);
}

// The product written out entry by entry and its result.
void BM_MatrixProductPaint(benchmark::State &state)
{
    paintOperation(state, 4);
}
BENCHMARK(BM_MatrixProductPaint);

// The inverse: the fraction over the determinant, the adjugate, the inverse and the note with its
// icon.
void BM_MatrixInversePaint(benchmark::State &state)
{
    paintOperation(state, 6);
}
BENCHMARK(BM_MatrixInversePaint);

// The eigenvalue condition: five bracketed vectors, the equations and an icon.
void BM_MatrixEigenvaluePaint(benchmark::State &state)
{
    paintOperation(state, 7);
}
BENCHMARK(BM_MatrixEigenvaluePaint);

// Mode 1 on its default system: heading box, inverse, solution.
void BM_MatrixSystemPaint(benchmark::State &state)
{
    CMatrix window;
    window.setModeFlag(1);
    window.initialize();
    repaintWindow(state, window);
}
BENCHMARK(BM_MatrixSystemPaint);

// The rotation of (3, 4) by 90 degrees: grid, matrix of cosines and sines, arc and arrowhead.
void BM_TransRotationPaint(benchmark::State &state)
{
    CTrans window;
    window.initialize();
    window.pressButton(137);
    repaintWindow(state, window);
}
BENCHMARK(BM_TransRotationPaint);

// A drill question of topic `topic` with its answer.
void paintDrill(benchmark::State &state, std::int16_t topic, std::int16_t variant)
{
    fixRandomSeed(7u);
    CDrill drill(topic, variant);
    drill.initialize();
    drill.pressButton(141);
    repaintWindow(state, drill);
    fixRandomSeed(std::nullopt);
}

void BM_MatrixBasicsDrillPaint(benchmark::State &state)
{
    paintDrill(state, DrillTopic::MatrixBasics, 0);
}
BENCHMARK(BM_MatrixBasicsDrillPaint);

void BM_SimultaneousDrillPaint(benchmark::State &state)
{
    paintDrill(state, DrillTopic::Simultaneous, 1);
}
BENCHMARK(BM_SimultaneousDrillPaint);

} // namespace
