#include "bench/WindowRepaint.h"
#include "drill/Drill.h"
#include "lessons/sequence/Seqsum.h"
#include "lessons/sequence/Sequence.h"
#include "ui/SeedSource.h"

#include <benchmark/benchmark.h>

namespace {

// Both sequences with their panels, highlights, the raised exponents and the decimals.
void BM_SequencePaint(benchmark::State &state)
{
    CSequence window;
    window.initialize();
    window.setControlText(147, u"-3/4");
    window.setControlText(145, u"12");
    window.pressButton(104);
    repaintWindow(state, window);
}
BENCHMARK(BM_SequencePaint);

// The longest derivation: nine rows of formulas for 3kk+3k, the cancelling row included.
void BM_SeqsumPaint(benchmark::State &state)
{
    CSeqsum window;
    window.initialize();
    window.setControlText(113, u"3kk+3k");
    window.pressButton(104);
    repaintWindow(state, window);
}
BENCHMARK(BM_SeqsumPaint);

// The sum-of-a-sequence drill with its answer shown.
void BM_SequenceSumDrillPaint(benchmark::State &state)
{
    fixRandomSeed(7u);
    CDrill drill(DrillTopic::SequenceSum, 0);
    drill.initialize();
    drill.pressButton(141);
    repaintWindow(state, drill);
    fixRandomSeed(std::nullopt);
}
BENCHMARK(BM_SequenceSumDrillPaint);

} // namespace
