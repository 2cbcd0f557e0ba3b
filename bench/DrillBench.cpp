#include "drill/Drill.h"
#include "drill/DrillGenerators.h"
#include "ui/SeedSource.h"

#include <benchmark/benchmark.h>

// A full repaint of each drill topic's exercise with its answer shown, on a QtCanvas over the
// window's backing image: one run per topic of the drill table that has a question generator.
static void BM_DrillTopicPaint(benchmark::State &state)
{
    const auto topic = static_cast<std::int16_t>(state.range(0));
    fixRandomSeed(1u);
    CDrill drill(topic, 0);
    drill.initialize();
    drill.pressButton(141);
    for (auto _ : state) {
        drill.invalidate(true);
        benchmark::DoNotOptimize(drill.surface().constBits());
    }
    fixRandomSeed(std::nullopt);
}
BENCHMARK(BM_DrillTopicPaint)->ArgName("topic")->Apply([](benchmark::internal::Benchmark *bench) {
    for (const std::int16_t topic : kDrillTopics)
        if (findDrillGenerator(topic)) bench->Arg(topic);
});
