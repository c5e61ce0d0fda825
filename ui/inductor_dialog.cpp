// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil calculator window.
#include "ui/inductor_dialog.h"

#include "res/resource_ids.h"
#include "ui/coil_commands.h"
#include "ui/pi_network_dialog.h"

namespace tavilo::ui {

using namespace platform;

const MessageEntry InductorDialog::kMessageRows[] = {
    OnClicked<&InductorDialog::OnCalcTurns>(res::IDC_CALC_TURNS),
    OnClicked<&InductorDialog::OnCalcL>(res::IDC_CALC_L),
};
const MessageTable InductorDialog::kMessageTable{&Dialog::kMessageTable, kMessageRows};

InductorDialog::InductorDialog(Dialog* parent) : Dialog(res::IDD_INDUCTOR, parent) {}

InductorDialog::~InductorDialog() = default;

bool InductorDialog::PrepareDialog() {
    Dialog::PrepareDialog();
    // The owner is the main window, whose form holds the L text to start from.
    const auto* mainWindow = dynamic_cast<const PiNetworkDialog*>(Owner());
    PrepareInductorForm(form_, mainWindow != nullptr ? mainWindow->form() : PiNetworkForm{}, *this);
    return true;
}

void InductorDialog::DoExchange(ExchangeDirection direction) {
    ui::ExchangeFields(*this, form_, direction);
}

void InductorDialog::OnCalcTurns() {
    ui::OnCalcTurns(form_, *this);
}

void InductorDialog::OnCalcL() {
    ui::OnCalcL(form_, *this);
}

}  // namespace tavilo::ui
