// Test entry for tests that need a Qt application object (widgets or QtCore services).
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never open real windows, and listing them at build time has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A test that makes no home of its own still never writes the user's, and what the program
    // learns about the engine goes to a cache of the tests' own: a stand-in engine must not teach
    // the real one's cache.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
