// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil window's binding list and prepare step.
#include "ui/inductor_form.h"

#include "res/resource_ids.h"

namespace tavilo::ui {

const std::array<platform::FieldBinding<InductorForm>, 5> kInductorBindings{{
    {res::IDC_COIL_L, &InductorForm::coilL},
    {res::IDC_COIL_DIAMETER, &InductorForm::coilDiameter},
    {res::IDC_COIL_LENGTH, &InductorForm::coilLength},
    {res::IDC_COIL_TURNS, &InductorForm::coilTurns},
    {res::IDC_COIL_SPACING, &InductorForm::coilSpacing},
}};

void PrepareInductorForm(InductorForm& form, const PiNetworkForm& mainForm,
                         platform::Window& window) {
    form.coilL = mainForm.l;
    ExchangeFields(window, form, platform::ExchangeDirection::FieldsToControls);
}

}  // namespace tavilo::ui
