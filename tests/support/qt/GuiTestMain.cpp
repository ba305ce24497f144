#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Listing the tests at build time runs this too, without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a test forgets to redirect lands in Qt's test locations, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // A test that closes its window must not leave a quit behind for the next test's dialogs.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
