// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What a window system provides for dialogs: a host per running dialog, and
// the process-wide services (icons, metrics). The Qt backend and the in-memory
// backend implement these.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/dialog_template.h"
#include "platform/message_table.h"
#include "platform/window.h"

namespace tavilo::platform {

class Dialog;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// One dialog's window while its modal run lasts.
class DialogHost {
  public:
    virtual ~DialogHost() = default;

    virtual std::string ControlText(ControlId id) const = 0;
    virtual void SetControlText(ControlId id, std::string_view text) = 0;
    virtual int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;

    // Shows the radio button `checked` as selected and the others of first..last not.
    virtual void CheckRadioButton(ControlId first, ControlId last, ControlId checked) = 0;

    // Appends an item (or a separator) to the window's own system menu.
    virtual void AppendSystemMenuItem(unsigned flags, unsigned commandId,
                                      std::string_view text) = 0;
    virtual void SetIcon(unsigned size, IconHandle icon) = 0;

    virtual bool IsIconic() const = 0;
    virtual Rect ClientRect() const = 0;
    // Draws an icon into the client area; only while a WM_PAINT is handled.
    virtual void DrawIcon(int x, int y, IconHandle icon) = 0;

    // Shows the window and runs its own modal loop until EndModalLoop;
    // returns its result. With focusFirstTabStop the keyboard focus starts on
    // the first tab stop in template order.
    virtual int RunModalLoop(bool focusFirstTabStop) = 0;
    virtual void EndModalLoop(int result) = 0;

    // What the window system does with a message no table row handled.
    virtual std::intptr_t DefaultProcessing(const Message& message) = 0;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Creates the window for a dialog from its template. The owner takes no
    // input while the dialog runs; it is null for a window without one.
    virtual std::unique_ptr<DialogHost> CreateDialogHost(Dialog& dialog,
                                                         const DialogTemplate& dialogTemplate,
                                                         Dialog* owner) = 0;

    // A shared handle to icon group `iconId` at the standard icon size; the
    // handle lives as long as the window system.
    virtual IconHandle LoadIcon(int iconId) = 0;
    virtual int SystemMetric(int index) const = 0;

    // Per-application set-up: the program's name and default window icon as
    // the desktop sees them.
    virtual void PrepareDesktopIntegration() = 0;

    // The window system dialogs are created on.
    static WindowSystem& Current();
    static void Install(WindowSystem* windowSystem);
};

}  // namespace tavilo::platform
