#include <QApplication>
#include <gtest/gtest.h>

// Widgets need a QApplication; the offscreen platform lets the tests (and ctest's discovery at
// build time) run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("htmlsim");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
