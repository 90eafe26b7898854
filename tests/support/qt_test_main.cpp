// Test main for everything that needs a QApplication: windows and controls run offscreen.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Calvorin 2.1");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
