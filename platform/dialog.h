// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The dialog base class: built from a template id, run modally, with a
// message table, a data-exchange hook and a prepare hook.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/dialog_host.h"
#include "platform/exchange.h"
#include "platform/message_table.h"
#include "platform/window.h"

namespace tavilo::platform {

class Dialog : public CommandTarget, public Window {
  public:
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window from the template, prepares it, runs its own modal
    // loop and returns the id of the command that ended it (-1 when the
    // window could not be created). The owner is the parent given at
    // construction, else the application's main window.
    int RunModal();
    void EndDialog(int result);

    int templateId() const { return templateId_; }
    bool IsRunning() const { return host_ != nullptr; }

    // The dialog whose window owns this one while it runs, or null.
    Dialog* Owner() const { return owner_; }

    // Routes a message through the message table, or to the default
    // processing when no row takes it. Window systems call this.
    std::intptr_t HandleMessage(const Message& message);
    // The window system's handling of the message being dispatched.
    std::intptr_t DefaultProcessing();

    // Window: control texts and message boxes on this dialog's window.
    std::string ControlText(ControlId id) const override;
    void SetControlText(ControlId id, std::string_view text) override;
    int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) override;

    // Runs the data-exchange hook in the given direction.
    void ExchangeFields(ExchangeDirection direction) { DoExchange(direction); }

    // Called once the window and its controls exist, before it shows. The
    // base runs the framework's own initialisation; true puts the focus on
    // the first tab stop.
    virtual bool PrepareDialog();

    // For the window system: the host of the running dialog (null otherwise).
    DialogHost* host() const { return host_.get(); }

  protected:
    const MessageTable* GetMessageTable() const override { return &kMessageTable; }
    static const MessageTable kMessageTable;
    static const MessageEntry kMessageRows[];

    // The data-exchange hook: the base exchanges nothing.
    virtual void DoExchange(ExchangeDirection /*direction*/) {}

    // The OK and Cancel commands end the modal run with their id.
    virtual void OnOK();
    virtual void OnCancel();

    // Window operations for handlers.
    void AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text);
    void SetIcon(unsigned size, IconHandle icon);
    void CheckRadioButton(ControlId first, ControlId last, ControlId checked);
    bool IsIconic() const;
    Rect GetClientRect() const;
    void DrawIcon(int x, int y, IconHandle icon);
    std::intptr_t SendMessage(const Message& message) { return HandleMessage(message); }

  private:
    DialogHost& RequireHost() const;

    int templateId_;
    Dialog* parent_;
    Dialog* owner_ = nullptr;
    std::unique_ptr<DialogHost> host_;
    const Message* current_ = nullptr;  // the message being dispatched
};

}  // namespace tavilo::platform
