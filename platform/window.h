// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What a form's commands need of a window: control texts by id, and a modal
// message box owned by the window.
#pragma once

#include <string>
#include <string_view>

namespace tavilo::platform {

using ControlId = int;

// Message box styles, combined with |. The values are the ones the dialog
// templates and the message boxes of the program were designed with.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// Commands that end a dialog or a message box: the button that closed it.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class Window {
  public:
    virtual ~Window() = default;

    // The whole text of the control, however long.
    virtual std::string ControlText(ControlId id) const = 0;
    // Replaces the whole text of the control.
    virtual void SetControlText(ControlId id, std::string_view text) = 0;

    // Shows a modal message box over this window and returns the code of the
    // button that closed it (IDCANCEL when it was dismissed).
    virtual int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;

  protected:
    Window() = default;
    Window(const Window&) = default;
    Window& operator=(const Window&) = default;
};

}  // namespace tavilo::platform
