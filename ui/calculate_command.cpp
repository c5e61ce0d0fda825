// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The Calculate command.
#include "ui/calculate_command.h"

#include "calc/pi_network.h"
#include "platform/field_text.h"

namespace tavilo::ui {

using platform::ExchangeDirection;
using platform::FormatField;
using platform::ParseField;

std::string Q0PromptText(double q0Bound) {
    // Two blanks after the full stop, as the prompt has always read.
    return "Q0 Must be > " + FormatField(q0Bound) + ".  Continue with new value?";
}

CalculateOutcome OnCalculate(PiNetworkForm& form, platform::Window& window) {
    ExchangeFields(window, form, ExchangeDirection::ControlsToFields);

    const double plateOhms = ParseField(form.plateZ);
    const double antennaOhms = ParseField(form.antennaZ);
    double loadedQ = ParseField(form.q0);
    const double frequencyHz = ParseField(form.freqMHz) * 1e6;

    CalculateOutcome outcome;
    outcome.q0Bound = calc::MinimumQ0(plateOhms, antennaOhms);

    // Ordered comparison: a NaN bound or a NaN Q0 never prompts.
    if (outcome.q0Bound >= loadedQ) {
        outcome.prompted = true;
        const int answer =
            window.ShowMessageBox(Q0PromptText(outcome.q0Bound), kImproperInputCaption,
                                  platform::MB_OKCANCEL | platform::MB_ICONSTOP);
        // Cancel, Escape or the close box: the window keeps what it showed.
        if (answer != platform::IDOK) return outcome;
        loadedQ = 1.0 + outcome.q0Bound;
    }

    // A multiplication by 1e-12, not a division by 1e12: the two differ in the
    // last bit for some values.
    const double minC1Farads = form.capMinPf * 1e-12;
    outcome.solved =
        calc::PiNetworkInputs{plateOhms, antennaOhms, loadedQ, frequencyHz, minC1Farads};
    outcome.design = calc::SolvePiNetwork(outcome.solved);
    outcome.minimumC1Path = calc::TakesMinimumC1Path(outcome.solved);
    const calc::PiNetworkResult& result = outcome.design;

    PiNetworkShown& shown = outcome.shown;
    shown.q0 = result.loadedQ;
    shown.q1 = result.inputQ;
    shown.q2 = result.outputQ;
    shown.c1Pf = result.c1Farads * 1e12;
    shown.c2Pf = result.c2Farads * 1e12;
    shown.lUh = result.lHenries * 1e6;

    form.q0 = FormatField(shown.q0);
    form.q1 = FormatField(shown.q1);
    form.q2 = FormatField(shown.q2);
    form.c1 = FormatField(shown.c1Pf);
    form.c2 = FormatField(shown.c2Pf);
    form.l = FormatField(shown.lUh);
    outcome.designed = true;

    ExchangeFields(window, form, ExchangeDirection::FieldsToControls);
    return outcome;
}

}  // namespace tavilo::ui
