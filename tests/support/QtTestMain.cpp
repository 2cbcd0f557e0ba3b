// The main of test programs that need Qt widgets: a QApplication on the offscreen platform, message
// boxes answered without a modal loop, then every test.
#include "ui/MessageBox.h"
#include "ui/QtTranslation.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Number texts as the program writes them, whatever locale the tests run in.
    keepCNumberFormat();
    // No test may block on a modal box; tests that look at messages install their own handler.
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
