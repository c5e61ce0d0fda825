// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The windows' behaviour on the in-memory window system: the message tables,
// the system menu, the icon, the coil calculator launcher, the notice box and
// the application's run, with a script playing the user's part.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/pi_network_app.h"
#include "platform/memory_window_system.h"
#include "res/resource_ids.h"
#include "ui/icon_placement.h"
#include "ui/inductor_dialog.h"
#include "ui/pi_network_dialog.h"

namespace tavilo {
namespace {

using platform::MemoryDialogHost;
using platform::Message;

class Windows : public ::testing::Test {
  protected:
    Windows() { platform::WindowSystem::Install(&system); }
    ~Windows() override { platform::WindowSystem::Install(nullptr); }

    // Runs a fresh main window with the script, and returns how its run ended.
    int RunMain(const platform::MemoryWindowSystem::ModalScript& script) {
        ui::PiNetworkDialog dialog;
        application.SetMainWindow(&dialog);
        system.OnNextModalRun(script);
        return dialog.RunModal();
    }

    platform::MemoryWindowSystem system;
    app::PiNetworkApp application;
};

TEST_F(Windows, MainWindowOpensWithItsDefaultsMenuAndIcon) {
    RunMain([](MemoryDialogHost& host) {
        EXPECT_EQ(host.ControlText(res::IDC_ANTENNA_Z), "50");
        EXPECT_EQ(host.ControlText(res::IDC_Q0), "12");
        for (const int id : {res::IDC_PLATE_Z, res::IDC_FREQ, res::IDC_Q1, res::IDC_Q2, res::IDC_C1,
                             res::IDC_C2, res::IDC_L}) {
            EXPECT_EQ(host.ControlText(id), "") << id;
        }
        // The air-capacitor minimum the form starts with is shown selected.
        EXPECT_TRUE(host.radioChecked.at(res::IDC_AIR_CAPS));
        EXPECT_FALSE(host.radioChecked.at(res::IDC_VACUUM_CAPS));

        ASSERT_EQ(host.systemMenu.size(), 4u);
        EXPECT_EQ(host.systemMenu[0].commandId, platform::SC_MOVE);
        EXPECT_EQ(host.systemMenu[1].commandId, platform::SC_CLOSE);
        EXPECT_EQ(host.systemMenu[2].flags, platform::MF_SEPARATOR);
        EXPECT_EQ(host.systemMenu[3].commandId, res::IDM_ABOUT);
        EXPECT_EQ(host.systemMenu[3].text, "&About Tavilo...");

        const auto& dialog = static_cast<const ui::PiNetworkDialog&>(host.dialog());
        EXPECT_NE(dialog.appIcon(), 0u);
        EXPECT_EQ(host.icons.at(platform::ICON_BIG), dialog.appIcon());
        EXPECT_EQ(host.icons.at(platform::ICON_SMALL), dialog.appIcon());
        host.SystemCommand(platform::SC_CLOSE);
    });
}

struct EndingCase {
    const char* name;
    Message message;
    int result;
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
};

class MainWindowEndings : public Windows, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(MainWindowEndings, EndTheRunThroughTheDefaultHandling) {
    const EndingCase& c = GetParam();
    EXPECT_EQ(RunMain([&](MemoryDialogHost& host) { host.dialog().HandleMessage(c.message); }),
              c.result);
}

INSTANTIATE_TEST_SUITE_P(
    EnterEscapeCloseBox, MainWindowEndings,
    ::testing::Values(
        EndingCase{"enter_gives_ok", platform::CommandMessage(platform::IDOK), platform::IDOK},
        EndingCase{"escape_gives_cancel", platform::CommandMessage(platform::IDCANCEL),
                   platform::IDCANCEL},
        EndingCase{
            "close_box", {platform::WM_SYSCOMMAND, platform::SC_CLOSE, 0}, platform::IDCANCEL},
        EndingCase{"close_message", {platform::WM_CLOSE, 0, 0}, platform::IDCANCEL}),
    [](const ::testing::TestParamInfo<EndingCase>& test) { return test.param.name; });

TEST_F(Windows, EverySystemCommandFrom0x10To0x1FOpensTheAboutBox) {
    RunMain([this](MemoryDialogHost& host) {
        host.SetControlText(res::IDC_PLATE_Z, "5000");
        for (unsigned id = 0x10; id <= 0x1F; ++id) {
            system.OnNextModalRun([](MemoryDialogHost& about) { about.Click(platform::IDOK); });
            host.SystemCommand(id);
        }
        // The About box closes through Escape and the close box as well.
        system.OnNextModalRun([](MemoryDialogHost& about) { about.Click(platform::IDCANCEL); });
        host.SystemCommand(res::IDM_ABOUT);
        system.OnNextModalRun(
            [](MemoryDialogHost& about) { about.SystemCommand(platform::SC_CLOSE); });
        host.SystemCommand(res::IDM_ABOUT);

        // The platform's own commands take the default path: no About box.
        host.SystemCommand(platform::SC_MOVE);
        host.SystemCommand(0x20);
        EXPECT_EQ(host.ControlText(res::IDC_PLATE_Z), "5000");
        host.SystemCommand(platform::SC_CLOSE);
    });
    const std::vector<int> aboutRuns(system.runTemplates.begin() + 1, system.runTemplates.end());
    EXPECT_EQ(aboutRuns, std::vector<int>(18, res::IDD_ABOUT));
}

struct PlacementCase {
    int clientWidth;
    int clientHeight;
    ui::IconOrigin origin;
};

TEST(IconPlacement, CentresTheIconTruncatingTowardsZero) {
    const PlacementCase cases[] = {
        {36, 36, {2, 2}},   {32, 32, {0, 0}}, {30, 32, {0, 0}},   {29, 32, {-1, 0}},
        {100, 50, {34, 9}}, {33, 31, {1, 0}}, {0, 0, {-15, -15}},
    };
    for (const PlacementCase& c : cases) {
        EXPECT_EQ(ui::CenteredIconOrigin({0, 0, c.clientWidth, c.clientHeight}, 32, 32), c.origin)
            << c.clientWidth << "x" << c.clientHeight;
    }
    // Only the size of the client area counts, not where it starts.
    EXPECT_EQ(ui::CenteredIconOrigin({10, 20, 46, 56}, 32, 32), (ui::IconOrigin{2, 2}));
}

TEST_F(Windows, PaintsTheIconOnlyWhileMinimised) {
    RunMain([](MemoryDialogHost& host) {
        host.Paint();
        EXPECT_EQ(host.defaultPaints, 1);
        EXPECT_TRUE(host.drawnIcons.empty());

        host.iconic = true;
        host.clientRect = {0, 0, 36, 36};
        host.Paint();
        EXPECT_EQ(host.defaultPaints, 1);
        EXPECT_EQ(host.iconBackgroundErasures, 1);
        ASSERT_EQ(host.drawnIcons.size(), 1u);
        EXPECT_EQ(host.drawnIcons[0].x, 2);
        EXPECT_EQ(host.drawnIcons[0].y, 2);
        const auto& dialog = static_cast<const ui::PiNetworkDialog&>(host.dialog());
        EXPECT_EQ(host.drawnIcons[0].icon, dialog.appIcon());

        // Dragging the minimised window shows the same icon.
        EXPECT_EQ(host.dialog().HandleMessage({platform::WM_QUERYDRAGICON}),
                  static_cast<std::intptr_t>(dialog.appIcon()));
        host.SystemCommand(platform::SC_CLOSE);
    });
}

TEST_F(Windows, CoilCalculatorOpensWithTheMainWindowsLTextAndHandsNothingBack) {
    RunMain([this](MemoryDialogHost& host) {
        std::vector<std::string> opened;
        auto openCoil = [&](const platform::MemoryWindowSystem::ModalScript& coilScript) {
            system.OnNextModalRun([&, coilScript](MemoryDialogHost& coil) {
                opened.push_back(coil.ControlText(res::IDC_COIL_L));
                EXPECT_EQ(coil.owner(), &host.dialog());
                coilScript(coil);
            });
            host.Click(res::IDC_CALC_INDUCTOR);
        };
        auto cancel = [](MemoryDialogHost& coil) { coil.Click(platform::IDCANCEL); };

        openCoil(cancel);  // right after start: empty
        host.SetControlText(res::IDC_L, "5");
        openCoil(cancel);  // typed, no calculation

        host.SetControlText(res::IDC_PLATE_Z, "5000");
        host.SetControlText(res::IDC_FREQ, "30");
        host.Click(res::IDC_CALCULATE);
        const auto mainTexts = host.ControlTexts();
        openCoil([](MemoryDialogHost& coil) {
            coil.SetControlText(res::IDC_COIL_TURNS, "10");
            coil.SetControlText(res::IDC_COIL_DIAMETER, "1");
            coil.SetControlText(res::IDC_COIL_LENGTH, "1");
            coil.Click(res::IDC_CALC_L);
            EXPECT_EQ(coil.ControlText(res::IDC_COIL_L), "1.724138");
            coil.SystemCommand(platform::SC_CLOSE);
        });
        EXPECT_EQ(host.ControlTexts(), mainTexts);

        EXPECT_THAT(opened, ::testing::ElementsAre("", "5", "0.685857"));
        host.SystemCommand(platform::SC_CLOSE);
    });
}

TEST_F(Windows, NoticeBoxShowsTheOwnershipNoticeAndChangesNothing) {
    system.SetMessageBoxResponder([](const platform::ShownMessage&) { return platform::IDOK; });
    RunMain([](MemoryDialogHost& host) {
        const auto before = host.ControlTexts();
        host.Click(res::IDC_NOTICE);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].caption, "Copyright Notice");
        EXPECT_EQ(host.messages[0].style, 0x30u);
        EXPECT_THAT(host.messages[0].text, ::testing::HasSubstr("Tavilo developers"));
        EXPECT_THAT(host.messages[0].text, ::testing::HasSubstr("may not be sold or resold"));
        EXPECT_EQ(host.ControlTexts(), before);
        host.SystemCommand(platform::SC_CLOSE);
    });
}

TEST_F(Windows, CapacitorButtonsChooseTheMinimumAndCalculateAsksThroughTheWindow) {
    system.SetMessageBoxResponder([](const platform::ShownMessage& box) {
        EXPECT_EQ(box.caption, "Improper input");
        return platform::IDOK;
    });
    RunMain([](MemoryDialogHost& host) {
        host.SetControlText(res::IDC_PLATE_Z, "5000");
        host.SetControlText(res::IDC_FREQ, "30");
        host.Click(res::IDC_VACUUM_CAPS);
        host.Click(res::IDC_CALCULATE);
        EXPECT_EQ(host.ControlText(res::IDC_C1), "35.000000");
        EXPECT_EQ(host.ControlText(res::IDC_Q0), "36.131756");

        host.SetControlText(res::IDC_PLATE_Z, "100");
        host.SetControlText(res::IDC_ANTENNA_Z, "20");
        host.SetControlText(res::IDC_Q0, "1");
        host.SetControlText(res::IDC_FREQ, "1");
        host.Click(res::IDC_CALCULATE);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.ControlText(res::IDC_Q0), "3.000000");
        host.SystemCommand(platform::SC_CLOSE);
    });
}

TEST_F(Windows, ApplicationRunsTheMainWindowOnceAndEnds) {
    system.OnNextModalRun([&](MemoryDialogHost& host) {
        EXPECT_EQ(application.MainWindow(), &host.dialog());
        host.dialog().HandleMessage(platform::CommandMessage(platform::IDOK));
    });
    EXPECT_FALSE(application.PrepareApplication());
    EXPECT_TRUE(system.desktopIntegrationPrepared);
    EXPECT_EQ(system.runTemplates, std::vector<int>{res::IDD_PI_NETWORK});
    // Nothing may follow the reference once the window is gone.
    EXPECT_EQ(application.MainWindow(), nullptr);
    // The Help command reaches the application's table.
    EXPECT_TRUE(application.Dispatch(platform::CommandMessage(platform::IDM_HELP)));
}

}  // namespace
}  // namespace tavilo
