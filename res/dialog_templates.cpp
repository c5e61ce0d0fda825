// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program's three dialog templates: the About box, the main window and the
// coil calculator.
#include <array>

#include "platform/resources.h"
#include "platform/window.h"
#include "platform/window_styles.h"
#include "res/resource_ids.h"
#include "res/version_block.h"

namespace tavilo::res {

namespace {

using namespace platform::styles;
using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::IDCANCEL;
using platform::IDOK;

using C = platform::ControlClass;

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kInputEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr std::uint32_t kResultEdit = kChild | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
constexpr std::uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr std::uint32_t kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr std::uint32_t kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr std::uint32_t kBanner = kChild | WS_GROUP | SS_CENTER;
constexpr std::uint32_t kGroupBox = kChild | BS_GROUPBOX;
constexpr std::uint32_t kDialogFrame =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr std::string_view kFont = "MS Sans Serif";

constexpr std::array kAboutControls{
    ControlTemplate{C::Static, IDC_STATIC, kChild | SS_ICON, "", 11, 17, 20, 20, IDI_APP},
    ControlTemplate{C::Static, IDC_STATIC, kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX,
                    version::kAboutVersionLine, 40, 10, 119, 8},
    ControlTemplate{C::Static, IDC_STATIC, kChild | WS_GROUP | SS_LEFT,
                    "(C) 2026 Tavilo developers", 40, 25, 119, 8},
    ControlTemplate{C::Button, IDOK, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 178,
                    7, 32, 14},
};

constexpr std::array kPiNetworkControls{
    ControlTemplate{C::Edit, IDC_PLATE_Z, kInputEdit, "", 15, 46, 50, 14},
    ControlTemplate{C::Edit, IDC_ANTENNA_Z, kInputEdit, "", 15, 70, 50, 14},
    ControlTemplate{C::Edit, IDC_Q0, kInputEdit, "", 15, 95, 50, 14},
    ControlTemplate{C::Edit, IDC_FREQ, kInputEdit, "", 15, 121, 50, 14},
    ControlTemplate{C::Button, IDC_AIR_CAPS, kRadio, "Air Var. Caps", 100, 30, 57, 10},
    ControlTemplate{C::Button, IDC_VACUUM_CAPS, kRadio, "Vacuum Var. Caps", 100, 40, 75, 10},
    ControlTemplate{C::Button, IDC_CALCULATE, kPushButton, ">> CALCULATE >>", 100, 60, 75, 14},
    ControlTemplate{C::Edit, IDC_Q1, kResultEdit, "", 110, 95, 50, 14},
    ControlTemplate{C::Edit, IDC_Q2, kResultEdit, "", 110, 120, 50, 14},
    ControlTemplate{C::Edit, IDC_C1, kResultEdit, "", 200, 41, 40, 14},
    ControlTemplate{C::Edit, IDC_C2, kResultEdit, "", 200, 70, 40, 14},
    ControlTemplate{C::Edit, IDC_L, kResultEdit, "", 200, 100, 40, 14},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Plate Z (OHMS)", 15, 36, 55, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Antenna Z (OHMS)", 15, 60, 65, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Q0", 15, 85, 10, 8},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Input Parameters", 5, 20, 80, 120},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Q1", 110, 85, 10, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Q2", 110, 110, 10, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Freq. in MHZ", 15, 110, 41, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "C1 (pf)", 200, 30, 22, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "C2 (pf)", 200, 60, 22, 8},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "L (uH)", 200, 90, 20, 8},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Resulting PI Values", 190, 20, 75, 120},
    ControlTemplate{C::Static, IDC_STATIC, kBanner,
                    "Tavilo Pi-Network Designer by the Tavilo developers", 10, 5, 220, 10},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Resulting Q1 and Q2", 95, 75, 85, 65},
    ControlTemplate{C::Static, IDC_STATIC, kLabel, "Design equations from The ARRL Handbook", 20,
                    145, 228, 8},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Choose Cap Type", 95, 20, 85, 35},
    ControlTemplate{C::Button, IDC_CALC_INDUCTOR, kPushButton, "Calc. Inductor", 200, 120, 55, 14},
    ControlTemplate{C::Button, IDC_NOTICE, kPushButton, "(c) ", 236, 4, 14, 12},
};

constexpr std::uint32_t kCoilEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr std::uint32_t kCoilLabel = kChild | WS_GROUP | SS_LEFT;

constexpr std::array kInductorControls{
    ControlTemplate{C::Button, IDCANCEL, kPushButton, "Cancel", 20, 110, 50, 14},
    ControlTemplate{C::Edit, IDC_COIL_L, kCoilEdit, "", 15, 60, 50, 14},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "L (uH)", 15, 50, 20, 8},
    ControlTemplate{C::Edit, IDC_COIL_DIAMETER, kCoilEdit, "", 95, 40, 40, 14},
    ControlTemplate{C::Edit, IDC_COIL_LENGTH, kCoilEdit, "", 95, 70, 40, 14},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Diameter (inches)", 95, 30, 56, 8},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Length (inches)", 95, 60, 50, 8},
    ControlTemplate{C::Edit, IDC_COIL_TURNS, kCoilEdit, "", 170, 60, 50, 14},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Number of turns", 170, 50, 51, 8},
    ControlTemplate{C::Button, IDC_CALC_TURNS, kPushButton, "Calc. Turns", 170, 80, 50, 14},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Calculate Turns", 160, 5, 75, 95},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Given: L, Diameter", 165, 20, 70, 8},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "and Length", 190, 30, 37, 8},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Always Given", 85, 5, 70, 95},
    ControlTemplate{C::Button, IDC_STATIC, kGroupBox, "Calculate Inductance", 5, 5, 75, 95},
    ControlTemplate{C::Button, IDC_CALC_L, kPushButton, "Calc. L", 15, 80, 50, 14},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Given: N, Diameter", 10, 20, 61, 8},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "and Length", 35, 30, 37, 8},
    ControlTemplate{C::Edit, IDC_COIL_SPACING, kCoilEdit, "", 185, 110, 40, 14},
    ControlTemplate{C::Static, IDC_STATIC, kCoilLabel, "Spacing:", 150, 115, 29, 8},
};

}  // namespace

constexpr std::array kTemplates{
    DialogTemplate{IDD_ABOUT, kDialogFrame, 0, 0, 0, 217, 55, "About Tavilo", kFont, 8,
                   kAboutControls},
    DialogTemplate{IDD_PI_NETWORK, kDialogFrame | WS_VISIBLE, WS_EX_APPWINDOW, 0, 0, 272, 157,
                   "PI Network V1.0", kFont, 8, kPiNetworkControls},
    DialogTemplate{IDD_INDUCTOR, kDialogFrame, 0, 0, 0, 247, 130, "Inductor Calculator", kFont, 8,
                   kInductorControls},
};

}  // namespace tavilo::res

namespace tavilo::platform {

const DialogTemplate* FindDialogTemplate(int templateId) {
    for (const DialogTemplate& dialogTemplate : res::kTemplates) {
        if (dialogTemplate.id == templateId) return &dialogTemplate;
    }
    return nullptr;
}

}  // namespace tavilo::platform
