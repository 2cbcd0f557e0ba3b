#include "app/TessarynApp.h"

int main(int argc, char **argv)
{
    CTessarynApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return CTessarynApp::exec();
}
