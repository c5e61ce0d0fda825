// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The application base class.
#include "platform/application.h"

#include "platform/dialog_host.h"

namespace tavilo::platform {

namespace {
Application* gApplication = nullptr;
}  // namespace

const MessageTable Application::kMessageTable{&CommandTarget::kMessageTable, {}};

Application::Application() {
    gApplication = this;
}

Application::~Application() {
    if (gApplication == this) gApplication = nullptr;
}

Application* Application::Current() {
    return gApplication;
}

void Application::PrepareDesktopIntegration() {
    WindowSystem::Current().PrepareDesktopIntegration();
}

}  // namespace tavilo::platform
