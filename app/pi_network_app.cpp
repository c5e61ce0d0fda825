// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The application object.
#include "app/pi_network_app.h"

#include "ui/pi_network_dialog.h"

namespace tavilo::app {

using namespace platform;

const MessageEntry PiNetworkApp::kMessageRows[] = {
    OnCommandRange<&PiNetworkApp::OnHelp>(IDM_HELP, IDM_HELP),
};
const MessageTable PiNetworkApp::kMessageTable{&Application::kMessageTable, kMessageRows};

PiNetworkApp::PiNetworkApp() = default;

PiNetworkApp::~PiNetworkApp() = default;

bool PiNetworkApp::PrepareApplication() {
    PrepareDesktopIntegration();
    ui::PiNetworkDialog dialog;
    SetMainWindow(&dialog);
    // However the run ends (OK, Cancel, the close box, a failure to create
    // the window), the program ends with it.
    dialog.RunModal();
    return false;
}

}  // namespace tavilo::app
