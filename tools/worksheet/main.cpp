// tessaryn-worksheet: writes a PDF of drill exercises of one topic, with an answer key, for a
// class to work on paper.

#include "tools/worksheet/WorksheetCommand.h"

#include "app/CommandLine.h"
#include "app/TessarynApp.h"
#include "drill/WorksheetPdf.h"
#include "ui/QtTranslation.h"
#include "ui/SeedSource.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(worksheetUsage(), stderr);
        return 2;
    }
    switch (findInfoOption(argc, argv)) {
    case InfoOption::Help:
        std::fputs(worksheetUsage(), stdout);
        return 0;
    case InfoOption::Version:
        std::fputs(versionText("tessaryn-worksheet").c_str(), stdout);
        return 0;
    case InfoOption::None:
        break;
    }
    const auto parsed = parseWorksheetCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto *error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "tessaryn-worksheet: %s\n", error->c_str());
        return 2;
    }
    const WorksheetCommand &command = std::get<WorksheetCommand>(parsed);
    // Fonts need an application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CTessarynApp::setApplicationIdentity();
    keepCNumberFormat();

    WorksheetRequest request;
    request.topic = static_cast<std::int16_t>(command.topic);
    request.variant = static_cast<std::int16_t>(command.variant);
    request.count = command.count;
    request.seed = command.seed.value_or(randomSeed());
    request.title = QString::fromStdString(command.title).toStdU16String();
    if (!writeWorksheetPdf(request, QString::fromStdString(command.pdfFile))) {
        std::fprintf(stderr, "tessaryn-worksheet: cannot write %s\n", command.pdfFile.c_str());
        return 1;
    }
    std::printf("seed %u\n", request.seed);
    return 0;
}
