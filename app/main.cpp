// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program's entry: the one application object, then the window system's
// entry function. The command line is not read.
#include "app/pi_network_app.h"
#include "platform/application.h"

namespace {
tavilo::app::PiNetworkApp theApp;
}  // namespace

int main(int argc, char** argv) {
    return tavilo::platform::RunApplication(argc, argv);
}
