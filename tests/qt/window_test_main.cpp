// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Runs the window tests on Qt's offscreen platform unless told otherwise, so
// they need no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    // The toolkit takes the process locale from the environment, as on a
    // desktop; the tests run in whatever locale the caller chose.
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
