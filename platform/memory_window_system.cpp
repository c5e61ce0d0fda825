// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Dialogs held in memory.
#include "platform/memory_window_system.h"

#include <stdexcept>

#include "platform/resources.h"
#include "platform/window_styles.h"

namespace tavilo::platform {

namespace {

bool IsAutoRadio(const ControlTemplate& control) {
    return control.controlClass == ControlClass::Button &&
           (control.style & styles::BS_TYPEMASK) == styles::BS_AUTORADIOBUTTON;
}

}  // namespace

MemoryDialogHost::MemoryDialogHost(MemoryWindowSystem& system, Dialog& dialog,
                                   const DialogTemplate& dialogTemplate, Dialog* owner)
    : system_(system), dialog_(dialog), template_(dialogTemplate), owner_(owner) {
    for (const ControlTemplate& control : template_.controls) {
        if (control.id != -1) window_.SetControlText(control.id, control.text);
        if (IsAutoRadio(control)) radioChecked[control.id] = false;
    }
    systemMenu = {{MF_STRING, SC_MOVE, "&Move"}, {MF_STRING, SC_CLOSE, "&Close"}};
    system_.runTemplates.push_back(template_.id);
}

MemoryDialogHost::~MemoryDialogHost() = default;

int MemoryDialogHost::ShowMessageBox(std::string_view text, std::string_view caption,
                                     unsigned style) {
    ShownMessage message{std::string(text), std::string(caption), style, 0};
    if (!system_.responder_) throw std::logic_error("unexpected message box: " + message.text);
    message.answer = system_.responder_(message);
    messages.push_back(message);
    return message.answer;
}

void MemoryDialogHost::CheckRadioButton(ControlId first, ControlId last, ControlId checked) {
    for (auto& [id, isChecked] : radioChecked) {
        if (id >= first && id <= last) isChecked = id == checked;
    }
}

void MemoryDialogHost::AppendSystemMenuItem(unsigned flags, unsigned commandId,
                                            std::string_view text) {
    systemMenu.push_back({flags, commandId, std::string(text)});
}

void MemoryDialogHost::SetIcon(unsigned size, IconHandle icon) {
    icons[size] = icon;
}

void MemoryDialogHost::DrawIcon(int x, int y, IconHandle icon) {
    drawnIcons.push_back({x, y, icon});
}

int MemoryDialogHost::RunModalLoop(bool /*focusFirstTabStop*/) {
    if (system_.scripts_.empty()) {
        throw std::logic_error("no script for the modal run of dialog " +
                               std::to_string(template_.id));
    }
    auto script = std::move(system_.scripts_.front());
    system_.scripts_.erase(system_.scripts_.begin());
    script(*this);
    if (!ended_) {
        throw std::logic_error("the script left dialog " + std::to_string(template_.id) +
                               " running");
    }
    return result_;
}

void MemoryDialogHost::EndModalLoop(int result) {
    ended_ = true;
    result_ = result;
}

std::intptr_t MemoryDialogHost::DefaultProcessing(const Message& message) {
    switch (message.id) {
        case WM_SYSCOMMAND:
            if ((message.wParam & 0xFFF0) == SC_CLOSE) return dialog_.HandleMessage({WM_CLOSE});
            return 0;
        case WM_CLOSE:
            return dialog_.HandleMessage(CommandMessage(IDCANCEL));
        case WM_PAINT:
            ++defaultPaints;
            return 0;
        case WM_ICONERASEBKGND:
            ++iconBackgroundErasures;
            return 1;
        default:
            return 0;
    }
}

void MemoryDialogHost::Click(ControlId id) {
    for (const ControlTemplate& control : template_.controls) {
        if (control.id == id && IsAutoRadio(control)) {
            for (auto& [radio, checked] : radioChecked) checked = radio == id;
        }
    }
    dialog_.HandleMessage(CommandMessage(id));
}

void MemoryDialogHost::SystemCommand(unsigned commandId) {
    dialog_.HandleMessage({WM_SYSCOMMAND, commandId, 0});
}

MemoryWindowSystem::MemoryWindowSystem() = default;
MemoryWindowSystem::~MemoryWindowSystem() = default;

std::unique_ptr<DialogHost> MemoryWindowSystem::CreateDialogHost(
    Dialog& dialog, const DialogTemplate& dialogTemplate, Dialog* owner) {
    return std::make_unique<MemoryDialogHost>(*this, dialog, dialogTemplate, owner);
}

IconHandle MemoryWindowSystem::LoadIcon(int iconId) {
    if (FindIconGroup(iconId).empty()) return 0;
    auto [entry, added] =
        loadedIcons_.try_emplace(iconId, 0x1000 + static_cast<IconHandle>(iconId));
    return entry->second;
}

int MemoryWindowSystem::SystemMetric(int index) const {
    return (index == SM_CXICON || index == SM_CYICON) ? iconSize : 0;
}

}  // namespace tavilo::platform
