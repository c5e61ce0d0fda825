// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Dialogs held in memory: windows without a toolkit, for tests and for
// machines without a display. Each modal run hands the dialog to a script.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host.h"
#include "platform/memory_window.h"

namespace tavilo::platform {

// A system-menu item as appended.
struct MenuItem {
    unsigned flags = 0;
    unsigned commandId = 0;
    std::string text;
};

struct DrawnIcon {
    int x = 0;
    int y = 0;
    IconHandle icon = 0;
};

class MemoryDialogHost final : public DialogHost {
  public:
    MemoryDialogHost(class MemoryWindowSystem& system, Dialog& dialog,
                     const DialogTemplate& dialogTemplate, Dialog* owner);
    ~MemoryDialogHost() override;

    std::string ControlText(ControlId id) const override { return window_.ControlText(id); }
    void SetControlText(ControlId id, std::string_view text) override {
        window_.SetControlText(id, text);
    }
    int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void CheckRadioButton(ControlId first, ControlId last, ControlId checked) override;
    void AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text) override;
    void SetIcon(unsigned size, IconHandle icon) override;
    bool IsIconic() const override { return iconic; }
    Rect ClientRect() const override { return clientRect; }
    void DrawIcon(int x, int y, IconHandle icon) override;
    int RunModalLoop(bool focusFirstTabStop) override;
    void EndModalLoop(int result) override;
    std::intptr_t DefaultProcessing(const Message& message) override;

    // Clicks a control: the click goes through the dialog's message table.
    void Click(ControlId id);
    // Chooses a system-menu command.
    void SystemCommand(unsigned commandId);
    // Asks the dialog to paint its window.
    void Paint() { dialog_.HandleMessage({WM_PAINT}); }

    // Every control text, by id.
    const std::map<ControlId, std::string>& ControlTexts() const { return window_.ControlTexts(); }

    Dialog& dialog() const { return dialog_; }
    Dialog* owner() const { return owner_; }
    const DialogTemplate& dialogTemplate() const { return template_; }

    // What the dialog did to its window.
    std::vector<MenuItem> systemMenu;  // starts with the platform's own items
    std::map<unsigned, IconHandle> icons;
    std::map<ControlId, bool> radioChecked;
    std::vector<DrawnIcon> drawnIcons;
    int iconBackgroundErasures = 0;
    int defaultPaints = 0;
    std::vector<ShownMessage> messages;

    // The window's state as the test sets it.
    bool iconic = false;
    Rect clientRect{0, 0, 400, 300};

  private:
    MemoryWindowSystem& system_;
    Dialog& dialog_;
    const DialogTemplate& template_;
    Dialog* owner_;
    MemoryWindow window_;
    bool ended_ = false;
    int result_ = 0;
};

class MemoryWindowSystem final : public WindowSystem {
  public:
    // Plays the user's part while a dialog's modal loop runs. It must end
    // the dialog (a click on a closing button, a system command or EndDialog).
    using ModalScript = std::function<void(MemoryDialogHost& host)>;
    using MessageBoxResponder = std::function<int(const ShownMessage& message)>;

    MemoryWindowSystem();
    ~MemoryWindowSystem() override;

    std::unique_ptr<DialogHost> CreateDialogHost(Dialog& dialog,
                                                 const DialogTemplate& dialogTemplate,
                                                 Dialog* owner) override;
    IconHandle LoadIcon(int iconId) override;
    int SystemMetric(int index) const override;
    void PrepareDesktopIntegration() override { desktopIntegrationPrepared = true; }

    // Scripts for the next modal runs, used in order.
    void OnNextModalRun(ModalScript script) { scripts_.push_back(std::move(script)); }
    void SetMessageBoxResponder(MessageBoxResponder responder) {
        responder_ = std::move(responder);
    }

    // The template ids of every dialog run so far, in order.
    std::vector<int> runTemplates;
    int iconSize = 32;
    bool desktopIntegrationPrepared = false;

  private:
    friend class MemoryDialogHost;
    std::vector<ModalScript> scripts_;
    MessageBoxResponder responder_;
    std::map<int, IconHandle> loadedIcons_;
};

}  // namespace tavilo::platform
