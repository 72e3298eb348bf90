// Test entry point: a headless application object, but none while tests are only listed.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/services.h"
#include "platform/timer.h"

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0) listing = true;
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (listing) return RUN_ALL_TESTS();

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Timer::set_manual_mode(true);
    QApplication app(argc, argv);
    platform::register_font_substitutes();
    return RUN_ALL_TESTS();
}
