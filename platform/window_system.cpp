// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The installed window system.
#include <stdexcept>

#include "platform/dialog_host.h"

namespace tavilo::platform {

namespace {
WindowSystem* gWindowSystem = nullptr;
}  // namespace

WindowSystem& WindowSystem::Current() {
    if (gWindowSystem == nullptr) throw std::logic_error("no window system is installed");
    return *gWindowSystem;
}

void WindowSystem::Install(WindowSystem* windowSystem) {
    gWindowSystem = windowSystem;
}

}  // namespace tavilo::platform
