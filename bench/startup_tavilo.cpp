// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program exactly as shipped, plus a probe that ends it at its first
// painted window: the start-up half of the start-up benchmark.
#include "app/pi_network_app.h"
#include "platform/application.h"

namespace {
tavilo::app::PiNetworkApp theApp;
}  // namespace

int main(int argc, char** argv) {
    return tavilo::platform::RunApplication(argc, argv);
}
