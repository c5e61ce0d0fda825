// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil window's state: its five field texts.
#pragma once

#include <array>
#include <string>

#include "platform/exchange.h"
#include "ui/pi_network_form.h"

namespace tavilo::ui {

struct InductorForm {
    std::string coilL;         // inductance, uH
    std::string coilDiameter;  // coil diameter, inches
    std::string coilLength;    // winding length, inches
    std::string coilTurns;     // number of turns
    std::string coilSpacing;   // winding length per turn, inches
};

// Control and field pairs, in exchange order.
extern const std::array<platform::FieldBinding<InductorForm>, 5> kInductorBindings;

inline void ExchangeFields(platform::Window& window, InductorForm& form,
                           platform::ExchangeDirection direction) {
    platform::ExchangeFields<InductorForm>(window, form, kInductorBindings, direction);
}

// The coil window's prepare step: it opens with the main form's L text, as it
// stands (a result, or whatever the user typed), and the other fields empty.
void PrepareInductorForm(InductorForm& form, const PiNetworkForm& mainForm,
                         platform::Window& window);

}  // namespace tavilo::ui
