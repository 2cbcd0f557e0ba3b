#include "app/CommandLine.h"
#include "app/TessarynApp.h"
#include "ui/QtTranslation.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // --help and --version answer before any window system is needed.
    switch (findInfoOption(argc, argv)) {
    case InfoOption::Help:
        std::fputs(tessarynUsage(), stdout);
        return 0;
    case InfoOption::Version:
        std::fputs(versionText("tessaryn").c_str(), stdout);
        return 0;
    case InfoOption::None:
        break;
    }
    QApplication qtApp(argc, argv);
    CTessarynApp::setApplicationIdentity();
    installJapaneseTranslation(qtApp);
    keepCNumberFormat();
    CTessarynApp app;
    QStringList arguments = QApplication::arguments().mid(1);
    arguments.removeOne(QStringLiteral("--"));
    if (!app.InitInstance(arguments)) return 1;
    return QApplication::exec();
}
