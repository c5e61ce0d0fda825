// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The Calculate command of the main window: controls to form, Q0 check,
// solve, results to form and controls.
#pragma once

#include <string>

#include "calc/pi_network.h"
#include "platform/window.h"
#include "ui/pi_network_form.h"

namespace tavilo::ui {

inline constexpr const char* kImproperInputCaption = "Improper input";

// The numbers behind the six result texts, in the units the window shows.
struct PiNetworkShown {
    double q0 = 0.0;
    double q1 = 0.0;
    double q2 = 0.0;
    double c1Pf = 0.0;
    double c2Pf = 0.0;
    double lUh = 0.0;
};

// What one run of the command did, for callers that report more than the
// window shows (the command-line designer). The window ignores it.
struct CalculateOutcome {
    double q0Bound = 0.0;   // the bound Q0 had to exceed
    bool prompted = false;  // the Q0 prompt was shown
    bool designed = false;  // false when the prompt was answered with Cancel
    PiNetworkShown shown;   // valid when designed
    // What the solver was given and what it returned, in ohms, hertz, farads
    // and henries: the numbers behind the texts, for an analysis of the very
    // network shown. Valid when designed.
    calc::PiNetworkInputs solved;
    calc::PiNetworkResult design;
    // The solver held C1 at the capacitor's minimum and worked Q0 out again
    // from it (so the Q0 shown is not the one asked for). Valid when designed.
    bool minimumC1Path = false;
};

// The text of the prompt that offers to go on with a raised Q0.
std::string Q0PromptText(double q0Bound);

// Runs the command on the window's controls. When Q0 does not exceed its
// bound, asks through an OK/Cancel box: OK goes on with the bound + 1, any
// other answer ends the command with nothing written.
CalculateOutcome OnCalculate(PiNetworkForm& form, platform::Window& window);

}  // namespace tavilo::ui
