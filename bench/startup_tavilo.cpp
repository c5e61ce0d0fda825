// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program exactly as shipped, plus a probe that ends it at its first
// painted window: the start-up half of the start-up benchmark.
#include "app/pi_network_app.h"
#include "first_paint_probe.h"
#include "platform/application.h"

namespace {
tavilo::app::PiNetworkApp theApp;
}  // namespace

namespace {
void InstallProbe() {
    tavilo::bench::InstallFirstPaintProbe();
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(InstallProbe)

int main(int argc, char** argv) {
    return tavilo::platform::RunApplication(argc, argv);
}
