// tessaryn-render: opens a window of the program without a display, applies scripted input in
// order, and writes a PNG of the client area, the recorded drawing operations and the controls.

#include "tools/render/RenderBatch.h"
#include "tools/render/RenderCommand.h"
#include "tools/render/RenderTargets.h"

#include "app/CommandLine.h"
#include "app/TessarynApp.h"
#include "ui/QtTranslation.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(renderUsage(), stderr);
        return 2;
    }
    switch (findInfoOption(argc, argv)) {
    case InfoOption::Help:
        std::fputs(renderUsage(), stdout);
        return 0;
    case InfoOption::Version:
        std::fputs(versionText("tessaryn-render").c_str(), stdout);
        return 0;
    case InfoOption::None:
        break;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CTessarynApp::setApplicationIdentity();
    installJapaneseTranslation(app);
    keepCNumberFormat();

    std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = parseRenderCommand(args);
    if (auto *error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "tessaryn-render: %s\n", error->c_str());
        return 2;
    }
    const RenderCommand &command = std::get<RenderCommand>(parsed);
    if (!command.batchFile.empty()) return runRenderBatchFile(command.batchFile, std::cout);
    return runRenderCommand(command);
}
