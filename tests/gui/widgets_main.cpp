#include <gtest/gtest.h>

#include <QApplication>

// The window tests run on Qt's offscreen platform unless told otherwise (-platform, which Wine
// needs: it hands no QT_ variable over). The tests are listed before any platform is loaded.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
