// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil jobs.
#include "cli/coil_job.h"

#include <array>

#include "calc/coil_accuracy.h"
#include "res/resource_ids.h"
#include "ui/coil_commands.h"
#include "ui/inductor_form.h"

namespace tavilo::cli {

namespace {

constexpr InputField kDiameter{"diameter", "diameter_in", "Diameter", "in"};
constexpr InputField kLength{"length", "length_in", "Length", "in"};
constexpr ResultField kSpacing{"spacing_in", "Spacing", "in/turn"};

constexpr std::array<InputField, 3> kTurnsInputs{{
    {"inductance", "l_uh", "Inductance", "uH"},
    kDiameter,
    kLength,
}};
constexpr std::array<ResultField, 2> kTurnsResults{{{"turns", "Turns", ""}, kSpacing}};
constexpr JobLayout kTurnsLayout{"turns",       "Coil turns", kTurnsInputs,
                                 kTurnsResults, false,        Supplement::CoilAccuracy};

constexpr std::array<InputField, 3> kInductanceInputs{{
    {"turns", "turns", "Turns", ""},
    kDiameter,
    kLength,
}};
constexpr std::array<ResultField, 2> kInductanceResults{{{"l_uh", "L", "uH"}, kSpacing}};
constexpr JobLayout kInductanceLayout{
    "inductance", "Coil inductance",       kInductanceInputs, kInductanceResults,
    false,        Supplement::CoilAccuracy};

}  // namespace

const JobLayout& CoilJobLayout(CoilCommand command) {
    return command == CoilCommand::Turns ? kTurnsLayout : kInductanceLayout;
}

std::optional<InputProblem> CoilJob::Run(std::span<const std::string> inputs,
                                         DesignRecord& record) {
    // The first input goes where the command reads it: the L field for
    // Calc. Turns, the turns field for Calc. L. Its result goes to the other.
    const bool turns = command_ == CoilCommand::Turns;
    const int givenControl = turns ? res::IDC_COIL_L : res::IDC_COIL_TURNS;
    const int resultControl = turns ? res::IDC_COIL_TURNS : res::IDC_COIL_L;

    ui::InductorForm form;
    window_.SetControlText(givenControl, inputs[0]);
    window_.SetControlText(res::IDC_COIL_DIAMETER, inputs[1]);
    window_.SetControlText(res::IDC_COIL_LENGTH, inputs[2]);

    const ui::CoilOutcome outcome =
        turns ? ui::OnCalcTurns(form, window_) : ui::OnCalcL(form, window_);

    record.status = DesignStatus::Designed;
    record.hasQ0Bound = false;
    record.q0Raised = false;
    record.message.clear();
    record.resultCount = 2;
    record.results[0].number = outcome.value;
    record.results[0].text = window_.ControlText(resultControl);
    record.results[1].number = outcome.spacing;
    record.results[1].text = window_.ControlText(res::IDC_COIL_SPACING);
    // The winding the command worked with, its turns computed or given.
    record.coilAccuracy =
        calc::CompareWithCurrentSheet(outcome.turns, outcome.diameterIn, outcome.lengthIn);
    return std::nullopt;
}

}  // namespace tavilo::cli
