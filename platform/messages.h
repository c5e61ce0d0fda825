// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The messages, notifications and system commands that reach a window's
// message table, with the codes the dialogs were designed with.
#pragma once

#include <cstdint>

namespace tavilo::platform {

inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_ICONERASEBKGND = 0x0027;
inline constexpr unsigned WM_QUERYDRAGICON = 0x0037;
inline constexpr unsigned WM_SETICON = 0x0080;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;

// Button notification carried by WM_COMMAND.
inline constexpr unsigned BN_CLICKED = 0;

// The platform's own system commands (the low four bits are reserved).
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_CLOSE = 0xF060;

// System-menu item flags.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// WM_SETICON sizes.
inline constexpr unsigned ICON_SMALL = 0;
inline constexpr unsigned ICON_BIG = 1;

// System metrics: the standard icon size in pixels.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

struct Message {
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// WM_COMMAND packs the control id into the low word of wParam and the
// notification into the high word.
constexpr Message CommandMessage(int controlId, unsigned notification = BN_CLICKED) {
    return {WM_COMMAND,
            (static_cast<std::uintptr_t>(notification) << 16) |
                (static_cast<std::uintptr_t>(controlId) & 0xFFFF),
            0};
}
constexpr int CommandId(const Message& message) {
    return static_cast<int>(message.wParam & 0xFFFF);
}
constexpr unsigned CommandNotification(const Message& message) {
    return static_cast<unsigned>((message.wParam >> 16) & 0xFFFF);
}

}  // namespace tavilo::platform
