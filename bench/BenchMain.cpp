// The main of tessaryn-bench: a QApplication on the offscreen platform (windows and fonts need one),
// message boxes answered at once, then every benchmark.
#include "ui/MessageBox.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
