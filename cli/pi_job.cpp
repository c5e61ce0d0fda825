// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The pi-network job.
#include "cli/pi_job.h"

#include <array>
#include <utility>

#include "cli/message_text.h"
#include "res/resource_ids.h"
#include "ui/calculate_command.h"
#include "ui/pi_network_form.h"

namespace tavilo::cli {

namespace {

constexpr std::array<InputField, kPiInputCount> kInputs{{
    {"plate", "plate_ohms", "Plate impedance", "ohms"},
    {"antenna", "antenna_ohms", "Antenna impedance", "ohms"},
    {"q0", "q0", "Loaded Q (Q0)", ""},
    {"freq", "freq_mhz", "Frequency", "MHz"},
    {"caps", "cap_min_pf", "Minimum C1", "pF", InputKind::CapsChoice},
}};

constexpr std::array<ResultField, kPiResultCount> kResults{{
    {"q0", "Q0", ""},
    {"q1", "Q1", ""},
    {"q2", "Q2", ""},
    {"c1_pf", "C1", "pF"},
    {"c2_pf", "C2", "pF"},
    {"l_uh", "L", "uH"},
}};

constexpr JobLayout kLayout{"pi", "Pi network", kInputs, kResults, true};

// The controls the results are read back from, in result order.
constexpr std::array<int, kPiResultCount> kResultControls{res::IDC_Q0, res::IDC_Q1, res::IDC_Q2,
                                                          res::IDC_C1, res::IDC_C2, res::IDC_L};

}  // namespace

const JobLayout& PiJobLayout() {
    return kLayout;
}

PiJob::PiJob(platform::MemoryWindow::Responder q0Prompt, CapsChoice defaultCaps)
    : defaultCaps_(defaultCaps) {
    window_.SetResponder(std::move(q0Prompt));
}

std::optional<InputProblem> PiJob::Run(std::span<const std::string> inputs, DesignRecord& record) {
    const std::optional<CapsChoice> caps = ParseCapsChoice(inputs[kPiCaps], defaultCaps_);
    if (!caps) {
        return InputProblem{
            kPiCaps, QuotedForMessage(inputs[kPiCaps]) + " is not air, vacuum or a number of pF"};
    }

    // A fresh form for every row, as a freshly opened window has it; the
    // capacitor choice is what pressing its button would do.
    ui::PiNetworkForm form;
    caps->ApplyTo(form);
    window_.SetControlText(res::IDC_PLATE_Z, inputs[kPiPlate]);
    window_.SetControlText(res::IDC_ANTENNA_Z, inputs[kPiAntenna]);
    window_.SetControlText(res::IDC_Q0, inputs[kPiQ0]);
    window_.SetControlText(res::IDC_FREQ, inputs[kPiFreq]);
    window_.ClearShownMessages();

    const ui::CalculateOutcome outcome = ui::OnCalculate(form, window_);

    record.hasQ0Bound = true;
    record.q0Bound = outcome.q0Bound;
    record.capMinPf = form.capMinPf;
    record.q0Raised = outcome.prompted && outcome.designed;
    record.message.clear();
    if (outcome.prompted) record.message = window_.ShownMessages().back().text;
    if (!outcome.designed) {
        record.status = DesignStatus::Q0TooLow;
        record.c1AtMinimum = false;
        record.resultCount = 0;
        return std::nullopt;
    }

    record.status = DesignStatus::Designed;
    record.c1AtMinimum = outcome.minimumC1Path;
    record.network = calc::ComponentsOfDesign(outcome.solved, outcome.design);
    record.resultCount = kPiResultCount;
    const std::array<double, kPiResultCount> numbers{outcome.shown.q0,   outcome.shown.q1,
                                                     outcome.shown.q2,   outcome.shown.c1Pf,
                                                     outcome.shown.c2Pf, outcome.shown.lUh};
    for (std::size_t i = 0; i < kPiResultCount; ++i) {
        record.results[i].number = numbers[i];
        record.results[i].text = window_.ControlText(kResultControls[i]);
    }
    return std::nullopt;
}

}  // namespace tavilo::cli
