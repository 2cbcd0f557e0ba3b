#include "app/TessarynApp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    CTessarynApp::setApplicationIdentity();
    CTessarynApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
    return QApplication::exec();
}
