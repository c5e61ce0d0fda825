// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The dialog base class.
#include "platform/dialog.h"

#include <stdexcept>

#include "platform/application.h"
#include "platform/resources.h"

namespace tavilo::platform {

// The OK and Cancel commands end the run unless a derived table takes them.
// The handlers are virtual, so a dialog may also override them.
const MessageEntry Dialog::kMessageRows[] = {
    OnClicked<&Dialog::OnOK>(IDOK),
    OnClicked<&Dialog::OnCancel>(IDCANCEL),
};
const MessageTable Dialog::kMessageTable{&CommandTarget::kMessageTable, kMessageRows};

Dialog::Dialog(int templateId, Dialog* parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() {
    // Nothing may follow the application's reference to a window that is gone.
    if (Application* application = Application::Current();
        application != nullptr && application->MainWindow() == this) {
        application->SetMainWindow(nullptr);
    }
}

int Dialog::RunModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr || host_ != nullptr) return -1;

    Application* application = Application::Current();
    owner_ = parent_ != nullptr ? parent_
             : (application != nullptr && application->MainWindow() != this)
                 ? application->MainWindow()
                 : nullptr;

    host_ = WindowSystem::Current().CreateDialogHost(*this, *dialogTemplate, owner_);
    if (host_ == nullptr) {
        owner_ = nullptr;
        return -1;
    }
    struct EndRun {
        Dialog& dialog;
        ~EndRun() {
            dialog.host_.reset();
            dialog.owner_ = nullptr;
        }
    } endRun{*this};

    const bool focusFirstTabStop = PrepareDialog();
    return host_->RunModalLoop(focusFirstTabStop);
}

void Dialog::EndDialog(int result) {
    RequireHost().EndModalLoop(result);
}

bool Dialog::PrepareDialog() {
    return true;
}

void Dialog::OnOK() {
    EndDialog(IDOK);
}
void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

std::intptr_t Dialog::HandleMessage(const Message& message) {
    const Message* outer = current_;
    current_ = &message;
    struct Restore {
        const Message*& current;
        const Message* outer;
        ~Restore() { current = outer; }
    } restore{current_, outer};

    std::intptr_t result = 0;
    if (Dispatch(message, &result)) return result;
    return DefaultProcessing();
}

std::intptr_t Dialog::DefaultProcessing() {
    if (current_ == nullptr || host_ == nullptr) return 0;
    return host_->DefaultProcessing(*current_);
}

std::string Dialog::ControlText(ControlId id) const {
    return RequireHost().ControlText(id);
}

void Dialog::SetControlText(ControlId id, std::string_view text) {
    RequireHost().SetControlText(id, text);
}

int Dialog::ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    return RequireHost().ShowMessageBox(text, caption, style);
}

void Dialog::AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text) {
    RequireHost().AppendSystemMenuItem(flags, commandId, text);
}

void Dialog::SetIcon(unsigned size, IconHandle icon) {
    RequireHost().SetIcon(size, icon);
}

void Dialog::CheckRadioButton(ControlId first, ControlId last, ControlId checked) {
    RequireHost().CheckRadioButton(first, last, checked);
}

bool Dialog::IsIconic() const {
    return RequireHost().IsIconic();
}

Rect Dialog::GetClientRect() const {
    return RequireHost().ClientRect();
}

void Dialog::DrawIcon(int x, int y, IconHandle icon) {
    RequireHost().DrawIcon(x, y, icon);
}

DialogHost& Dialog::RequireHost() const {
    if (host_ == nullptr) throw std::logic_error("the dialog's window does not exist");
    return *host_;
}

}  // namespace tavilo::platform
