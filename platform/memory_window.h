// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A window held in memory: control texts in a map, message boxes answered by a
// script or a responder and recorded. Runs the forms without any toolkit.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

namespace tavilo::platform {

// A message box as it was shown.
struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style = 0;
    int answer = 0;
};

class MemoryWindow final : public Window {
  public:
    // Decides the answer to a message box that no scripted answer covers.
    using Responder = std::function<int(const ShownMessage&)>;

    std::string ControlText(ControlId id) const override;
    void SetControlText(ControlId id, std::string_view text) override;
    int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) override;

    // Answers for the next message boxes, used in order before the responder.
    void ScriptAnswers(std::initializer_list<int> answers);
    void SetResponder(Responder responder) { responder_ = std::move(responder); }

    const std::vector<ShownMessage>& ShownMessages() const { return shown_; }
    void ClearShownMessages() { shown_.clear(); }

    // Every control text set so far, by id; a control never set reads "".
    const std::map<ControlId, std::string>& ControlTexts() const { return texts_; }

  private:
    std::map<ControlId, std::string> texts_;
    std::deque<int> scripted_;
    Responder responder_;
    std::vector<ShownMessage> shown_;
};

}  // namespace tavilo::platform
