// tessaryn-render: opens a window of the program without a display, applies scripted input in
// order, and writes a PNG of the client area, the recorded drawing operations and the controls.

#include "tools/render/RenderCommand.h"
#include "tools/render/RenderTargets.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kov&Lune"));
    QApplication::setApplicationName(QStringLiteral("Tessaryn"));

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(renderUsage(), args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    auto parsed = parseRenderCommand(args);
    if (auto *error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "tessaryn-render: %s\n", error->c_str());
        return 2;
    }
    return runRenderCommand(std::get<RenderCommand>(parsed));
}
