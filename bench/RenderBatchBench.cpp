#include "tools/render/RenderBatch.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFigures = 100;

/// A hundred different figures, each a command line of its own: the quadratic lesson with sixty
/// coefficient sets, every lesson as it opens, and drill exercises of every topic.
std::vector<std::string> figureLines(const QString &dir)
{
    std::vector<std::string> lines;
    const std::string out = dir.toStdString() + "/f";
    auto add = [&](const std::string &command) {
        lines.push_back(command + " --png " + out + std::to_string(lines.size()) + ".png");
    };
    for (const int a : {1, -1, 2, -2, 3})
        for (const int b : {-2, 0, 1, 3})
            for (const int c : {-1, 0, 2})
                add("--lesson 2770 --set 105=" + std::to_string(a) + " --set 106=" +
                    std::to_string(b) + " --set 107=" + std::to_string(c) + " --press 104");
    for (const int lesson : {2768, 2800, 2769, 2781, 2770, 2780, 2777, 2782, 2789, 2785, 2771,
                             2784, 2788, 2775, 2786, 2776, 2792, 2793, 2779, 2778, 2787, 2783})
        add("--lesson " + std::to_string(lesson));
    constexpr std::array kTopics = {2768, 2769, 2770, 2771, 2775, 2776, 2777, 2780,
                                    2782, 2785, 2786, 2787, 2788, 2792, 2793, 2800};
    for (std::size_t i = 0; lines.size() < kFigures; ++i)
        add("--drill " + std::to_string(kTopics[i % kTopics.size()]) + " --seed " +
            std::to_string(i + 1) + " --press 141");
    return lines;
}

void reportPerFigure(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * kFigures);
    state.counters["per_figure"] = benchmark::Counter(
        kFigures, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The hundred figures as one batch, in this process.
void BM_RenderHundredFiguresInOneBatch(benchmark::State &state)
{
    QTemporaryDir dir;
    std::string script;
    for (const std::string &line : figureLines(dir.path()))
        script += line + '\n';
    for (auto _ : state) {
        std::istringstream input(script);
        std::ostringstream results;
        if (runRenderBatch(input, results) != 0) state.SkipWithError(results.str().c_str());
    }
    reportPerFigure(state);
}
BENCHMARK(BM_RenderHundredFiguresInOneBatch)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// The same hundred figures, one tessaryn-render process each, as a script without --batch runs
// them.
void BM_RenderHundredFiguresOneProcessEach(benchmark::State &state)
{
    QTemporaryDir dir;
    std::vector<QStringList> commands;
    for (const std::string &line : figureLines(dir.path()))
        commands.push_back(QString::fromStdString(line).split(QLatin1Char(' ')));
    for (auto _ : state) {
        for (const QStringList &args : commands) {
            QProcess process;
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process.start(QStringLiteral(TESSARYN_RENDER_EXECUTABLE), args);
            if (!process.waitForFinished(60000) || process.exitCode() != 0)
                state.SkipWithError("tessaryn-render failed");
        }
    }
    reportPerFigure(state);
}
BENCHMARK(BM_RenderHundredFiguresOneProcessEach)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
