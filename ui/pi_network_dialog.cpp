// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The main window: binds the calculator's commands, the About item, the icon
// and the coil calculator launcher.
#include "ui/pi_network_dialog.h"

#include "app/about_dialog.h"
#include "platform/resources.h"
#include "res/resource_ids.h"
#include "ui/calculate_command.h"
#include "ui/icon_placement.h"
#include "ui/inductor_dialog.h"

namespace tavilo::ui {

using namespace platform;

const MessageEntry PiNetworkDialog::kMessageRows[] = {
    OnSystemCommandMessage<&PiNetworkDialog::OnSystemCommand>(),
    OnPaintMessage<&PiNetworkDialog::OnPaintWindow>(),
    OnQueryDragIconMessage<&PiNetworkDialog::OnDragIconQuery>(),
    OnClicked<&PiNetworkDialog::OnCalculate>(res::IDC_CALCULATE),
    OnClicked<&PiNetworkDialog::OnAirCaps>(res::IDC_AIR_CAPS),
    OnClicked<&PiNetworkDialog::OnVacuumCaps>(res::IDC_VACUUM_CAPS),
    OnClicked<&PiNetworkDialog::OnCalcInductor>(res::IDC_CALC_INDUCTOR),
    OnClicked<&PiNetworkDialog::OnNotice>(res::IDC_NOTICE),
};
const MessageTable PiNetworkDialog::kMessageTable{&Dialog::kMessageTable, kMessageRows};

PiNetworkDialog::PiNetworkDialog(Dialog* parent)
    : Dialog(res::IDD_PI_NETWORK, parent),
      appIcon_(WindowSystem::Current().LoadIcon(res::IDI_APP)) {}

PiNetworkDialog::~PiNetworkDialog() = default;

bool PiNetworkDialog::PrepareDialog() {
    Dialog::PrepareDialog();

    // The window's system menu ends with a separator and the About item.
    if (const std::string_view aboutItem = LoadString(res::IDS_ABOUT_ITEM); !aboutItem.empty()) {
        AppendSystemMenuItem(MF_SEPARATOR, 0, {});
        AppendSystemMenuItem(MF_STRING, res::IDM_ABOUT, aboutItem);
    }
    SetIcon(ICON_BIG, appIcon_);
    SetIcon(ICON_SMALL, appIcon_);

    form_.ApplyPrepareDefaults();
    ExchangeFields(ExchangeDirection::FieldsToControls);
    // The form starts with the air-capacitor minimum; show that choice.
    CheckRadioButton(res::IDC_AIR_CAPS, res::IDC_VACUUM_CAPS, res::IDC_AIR_CAPS);
    return true;
}

void PiNetworkDialog::DoExchange(ExchangeDirection direction) {
    ui::ExchangeFields(*this, form_, direction);
}

void PiNetworkDialog::OnSystemCommand(unsigned commandId, std::intptr_t /*lParam*/) {
    if ((commandId & 0xFFF0) == res::IDM_ABOUT) {
        app::AboutDialog about;
        about.RunModal();
    } else {
        DefaultProcessing();
    }
}

void PiNetworkDialog::OnPaintWindow() {
    if (!IsIconic()) {
        DefaultProcessing();
        return;
    }
    SendMessage({WM_ICONERASEBKGND});
    const int iconWidth = WindowSystem::Current().SystemMetric(SM_CXICON);
    const int iconHeight = WindowSystem::Current().SystemMetric(SM_CYICON);
    const IconOrigin origin = CenteredIconOrigin(GetClientRect(), iconWidth, iconHeight);
    DrawIcon(origin.x, origin.y, appIcon_);
}

IconHandle PiNetworkDialog::OnDragIconQuery() {
    return appIcon_;
}

void PiNetworkDialog::OnCalculate() {
    ui::OnCalculate(form_, *this);
}

void PiNetworkDialog::OnAirCaps() {
    form_.OnAirCaps();
}

void PiNetworkDialog::OnVacuumCaps() {
    form_.OnVacuumCaps();
}

void PiNetworkDialog::OnCalcInductor() {
    InductorDialog coil;
    // The coil window opens with the L text as it stands now, typed or computed.
    ExchangeFields(ExchangeDirection::ControlsToFields);
    coil.RunModal();
}

void PiNetworkDialog::OnNotice() {
    ShowMessageBox(kNoticeText, kNoticeCaption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace tavilo::ui
