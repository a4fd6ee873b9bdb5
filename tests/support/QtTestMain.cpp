// Test entry for tests that need a Qt application object (widgets or QtCore services).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never open real windows, and listing them at build time has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
