// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The application base class: one static instance per program, driven by the
// window system's entry function.
#pragma once

#include "platform/message_table.h"

namespace tavilo::platform {

class Dialog;

class Application : public CommandTarget {
  public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application's initialise step, called once by the entry function
    // after the window system is set up. False ends the program without a
    // message loop of the application's own.
    virtual bool PrepareApplication() = 0;

    // The dialog that owns every dialog run without a parent.
    Dialog* MainWindow() const { return mainWindow_; }
    void SetMainWindow(Dialog* dialog) { mainWindow_ = dialog; }

    // The one application object, or null before it is constructed.
    static Application* Current();

  protected:
    const MessageTable* GetMessageTable() const override { return &kMessageTable; }
    static const MessageTable kMessageTable;

    // Per-application set-up of the desktop integration: program name and
    // default window icon.
    void PrepareDesktopIntegration();

    // The Help command. The program has no help content; the request is
    // accepted and nothing is shown.
    void OnHelp() {}

  private:
    Dialog* mainWindow_ = nullptr;
};

// Ids of the commands the application class handles itself.
inline constexpr int IDM_HELP = 0xE146;

// The window system's entry function: sets the window system up, calls the
// application's PrepareApplication and returns the process exit code. The
// command line is not read.
int RunApplication(int argc, char** argv);

}  // namespace tavilo::platform
