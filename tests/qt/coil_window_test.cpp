// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil calculator window on Qt, opened from the main window.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "res/resource_ids.h"
#include "window_fixture.h"

namespace tavilo::testing {
namespace {

using platform::IDCANCEL;

TEST_F(QtWindows, CoilWindowOpensWithTheMainLTextAndLeavesTheMainWindowAlone) {
    RunMainWindow([this](TemplateWindow* window) {
        // Typed into the L edit, without a calculation.
        Type(window, res::IDC_L, "5");
        std::string opened;
        OnNextModal([&opened](QWidget* modal) {
            auto* coil = dynamic_cast<TemplateWindow*>(modal);
            ASSERT_NE(coil, nullptr);
            EXPECT_EQ(coil->windowTitle(), QStringLiteral("Inductor Calculator"));
            opened = Text(coil, res::IDC_COIL_L);
            // The focus starts on Cancel, the first tab stop.
            EXPECT_EQ(QApplication::focusWidget(), coil->Control(platform::IDCANCEL));
            // Alt+Space there opens the window's menu; it does not press Cancel.
            QTest::keyClick(coil->windowHandle(), Qt::Key_Space, Qt::AltModifier);
            EXPECT_TRUE(coil->isVisible());
            ASSERT_EQ(QApplication::activePopupWidget(), coil->systemMenu());
            QTest::keyClick(coil->systemMenu()->windowHandle(), Qt::Key_Escape);
            QTest::keyClick(coil, Qt::Key_Escape);
        });
        Click(window, res::IDC_CALC_INDUCTOR);
        EXPECT_EQ(opened, "5");

        // After a calculation: the computed text; the coil's own commands
        // leave the main window's texts as they were.
        Type(window, res::IDC_PLATE_Z, "5000");
        Type(window, res::IDC_FREQ, "3.5");
        Click(window, res::IDC_CALCULATE);
        const std::string mainL = Text(window, res::IDC_L);
        OnNextModal([&opened](QWidget* modal) {
            auto* coil = dynamic_cast<TemplateWindow*>(modal);
            ASSERT_NE(coil, nullptr);
            opened = Text(coil, res::IDC_COIL_L);
            Type(coil, res::IDC_COIL_DIAMETER, "2");
            Type(coil, res::IDC_COIL_LENGTH, "0.5");
            Type(coil, res::IDC_COIL_L, "14");
            Click(coil, res::IDC_CALC_TURNS);
            EXPECT_EQ(Text(coil, res::IDC_COIL_TURNS), "14.000000");
            EXPECT_EQ(Text(coil, res::IDC_COIL_SPACING), "0.035714");
            Click(coil, res::IDC_CALC_L);
            EXPECT_EQ(Text(coil, res::IDC_COIL_L), "14.000000");
            // Enter on the focused Cancel button closes the window.
            coil->Control(platform::IDCANCEL)->setFocus();
            QTest::keyClick(coil->Control(platform::IDCANCEL), Qt::Key_Return);
        });
        Click(window, res::IDC_CALC_INDUCTOR);
        EXPECT_EQ(opened, "20.702922");
        EXPECT_EQ(Text(window, res::IDC_L), mainL);
        EXPECT_EQ(Text(window, res::IDC_PLATE_Z), "5000");
        window->EndModal(IDCANCEL);
    });
}

}  // namespace
}  // namespace tavilo::testing
