// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil window's commands. Each stands alone: controls to fields, compute,
// fields to controls. The texts they do not write go back exactly as typed.
#include "ui/coil_commands.h"

#include "calc/coil.h"
#include "platform/field_text.h"

namespace tavilo::ui {

using platform::ExchangeDirection;
using platform::FormatField;
using platform::ParseField;

CoilOutcome OnCalcTurns(InductorForm& form, platform::Window& window) {
    ExchangeFields(window, form, ExchangeDirection::ControlsToFields);
    const double inductanceUh = ParseField(form.coilL);
    const double diameterIn = ParseField(form.coilDiameter);
    const double lengthIn = ParseField(form.coilLength);

    CoilOutcome outcome;
    outcome.diameterIn = diameterIn;
    outcome.lengthIn = lengthIn;
    outcome.value = calc::CoilTurns(inductanceUh, diameterIn, lengthIn);
    outcome.turns = outcome.value;
    form.coilTurns = FormatField(outcome.value);
    // Spacing from the computed turns, not from their rounded text.
    outcome.spacing = calc::CoilSpacing(lengthIn, outcome.value);
    form.coilSpacing = FormatField(outcome.spacing);

    ExchangeFields(window, form, ExchangeDirection::FieldsToControls);
    return outcome;
}

CoilOutcome OnCalcL(InductorForm& form, platform::Window& window) {
    ExchangeFields(window, form, ExchangeDirection::ControlsToFields);
    const double turns = ParseField(form.coilTurns);
    const double diameterIn = ParseField(form.coilDiameter);
    const double lengthIn = ParseField(form.coilLength);

    CoilOutcome outcome;
    outcome.turns = turns;
    outcome.diameterIn = diameterIn;
    outcome.lengthIn = lengthIn;
    outcome.value = calc::CoilInductance(turns, diameterIn, lengthIn);
    form.coilL = FormatField(outcome.value);
    outcome.spacing = calc::CoilSpacing(lengthIn, turns);
    form.coilSpacing = FormatField(outcome.spacing);

    ExchangeFields(window, form, ExchangeDirection::FieldsToControls);
    return outcome;
}

}  // namespace tavilo::ui
