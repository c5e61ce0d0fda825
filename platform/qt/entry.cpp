// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The entry function on Qt: sets the toolkit up, runs the application's
// initialise step and ends. The command line is not read.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/application.h"
#include "platform/qt/qt_window_system.h"

namespace tavilo::platform {

namespace {

bool HasDisplay() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int RunApplication(int /*argc*/, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "tavilo: no graphical display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start Tavilo from a desktop session, or use tavilo-cli to design without windows.\n",
            stderr);
        return 1;
    }
    // The toolkit sees only the program's name: options on the command line
    // have no effect on the program.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication toolkit(toolkitArgc, toolkitArgv);

    qt::QtWindowSystem windowSystem;
    WindowSystem::Install(&windowSystem);
    Application* application = Application::Current();
    if (application != nullptr) {
        // A false result ends the program without a message loop of its own.
        if (application->PrepareApplication()) QApplication::exec();
    }
    WindowSystem::Install(nullptr);
    return 0;
}

}  // namespace tavilo::platform
