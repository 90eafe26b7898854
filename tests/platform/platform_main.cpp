// The platform tests run inside the program's own application object, so that its guarded event
// dispatch is the one under test.
#include "platform/guard.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    calvorin::Application app(argc, argv);
    calvorin::Application::setApplicationName("Calvorin 2.1");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
