// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The in-memory window.
#include "platform/memory_window.h"

#include <stdexcept>

namespace tavilo::platform {

std::string MemoryWindow::ControlText(ControlId id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::string{} : found->second;
}

void MemoryWindow::SetControlText(ControlId id, std::string_view text) {
    texts_[id].assign(text);
}

int MemoryWindow::ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    ShownMessage message{std::string(text), std::string(caption), style, 0};
    if (!scripted_.empty()) {
        message.answer = scripted_.front();
        scripted_.pop_front();
    } else if (responder_) {
        message.answer = responder_(message);
    } else {
        // A box nobody expected is a fault of the caller, not something to
        // answer silently.
        throw std::logic_error("unexpected message box: " + message.text);
    }
    shown_.push_back(message);
    return message.answer;
}

void MemoryWindow::ScriptAnswers(std::initializer_list<int> answers) {
    scripted_.insert(scripted_.end(), answers.begin(), answers.end());
}

}  // namespace tavilo::platform
