#include <QApplication>

#include <gtest/gtest.h>

#include "Headless.h"

// Test discovery runs the binary outside CTest, so the headless environment is set here too.
int main(int argc, char** argv) {
    PrepareHeadless();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
