// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The main window's binding list and prepare-step defaults.
#include "ui/pi_network_form.h"

#include "res/resource_ids.h"

namespace tavilo::ui {

const std::array<platform::FieldBinding<PiNetworkForm>, 9> kPiNetworkBindings{{
    {res::IDC_ANTENNA_Z, &PiNetworkForm::antennaZ},
    {res::IDC_PLATE_Z, &PiNetworkForm::plateZ},
    {res::IDC_Q0, &PiNetworkForm::q0},
    {res::IDC_Q1, &PiNetworkForm::q1},
    {res::IDC_Q2, &PiNetworkForm::q2},
    {res::IDC_C1, &PiNetworkForm::c1},
    {res::IDC_C2, &PiNetworkForm::c2},
    {res::IDC_L, &PiNetworkForm::l},
    {res::IDC_FREQ, &PiNetworkForm::freqMHz},
}};

void PiNetworkForm::ApplyPrepareDefaults() {
    antennaZ = "50";
    q0 = "12";
}

}  // namespace tavilo::ui
