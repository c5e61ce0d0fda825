// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The main window's state: its nine field texts and the chosen capacitor's
// minimum capacitance.
#pragma once

#include <array>
#include <string>

#include "platform/exchange.h"

namespace tavilo::ui {

// Smallest usable capacitance of the two kinds of variable capacitor, in pF.
inline constexpr double kAirCapMinPf = 45.0;
inline constexpr double kVacuumCapMinPf = 35.0;

struct PiNetworkForm {
    std::string antennaZ;  // antenna (load) impedance, ohms
    std::string plateZ;    // tube plate impedance, ohms
    std::string q0;        // loaded Q; rewritten by Calculate
    std::string q1;        // result: plate-side Q
    std::string q2;        // result: antenna-side Q
    std::string c1;        // result: C1, pF
    std::string c2;        // result: C2, pF
    std::string l;         // result: L, uH
    std::string freqMHz;   // operating frequency, MHz

    // Minimum capacitance of the chosen kind of capacitor, in pF. Shown in no
    // control. Before either capacitor button is pressed the window shows
    // "Air Var. Caps" selected, so the form starts with the air minimum.
    double capMinPf = kAirCapMinPf;

    // Sets the texts a freshly opened main window shows: antenna "50", Q0 "12".
    void ApplyPrepareDefaults();

    // The capacitor-type commands. They only choose the minimum capacitance:
    // no exchange, no calculation, shown results stay as they are.
    void OnAirCaps() { capMinPf = kAirCapMinPf; }
    void OnVacuumCaps() { capMinPf = kVacuumCapMinPf; }
};

// Control and field pairs, in exchange order.
extern const std::array<platform::FieldBinding<PiNetworkForm>, 9> kPiNetworkBindings;

inline void ExchangeFields(platform::Window& window, PiNetworkForm& form,
                           platform::ExchangeDirection direction) {
    platform::ExchangeFields<PiNetworkForm>(window, form, kPiNetworkBindings, direction);
}

}  // namespace tavilo::ui
