// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Message tables: static rows of (message, notification, first id, last id,
// handler), each table chained to its base class's table.
#pragma once

#include <cstdint>
#include <span>

#include "platform/messages.h"

namespace tavilo::platform {

class CommandTarget;

using IconHandle = std::uintptr_t;  // 0 is no icon
using MessageHandler = std::intptr_t (*)(CommandTarget& target, const Message& message);

struct MessageEntry {
    unsigned message;
    unsigned notification;  // WM_COMMAND rows only
    int firstId;            // WM_COMMAND rows only: the range of control ids
    int lastId;
    MessageHandler handler;
};

struct MessageTable {
    const MessageTable* base;  // consulted for everything this table does not list
    std::span<const MessageEntry> entries;
};

// Something that receives messages through its class's message table.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;

    // The table of the object's most derived class.
    virtual const MessageTable* GetMessageTable() const { return &kMessageTable; }

    // Finds the first row for the message along the table chain and runs its
    // handler. Returns false when no row matches.
    bool Dispatch(const Message& message, std::intptr_t* result = nullptr);

  protected:
    CommandTarget() = default;
    static const MessageTable kMessageTable;
};

namespace detail {

template <class>
struct MemberOf;
template <class T, class R, class... Args>
struct MemberOf<R (T::*)(Args...)> {
    using Class = T;
};

template <auto Method>
using ClassOf = typename MemberOf<decltype(Method)>::Class;

}  // namespace detail

// Row builders. Each takes the handler as a member function of the class
// whose table holds the row, and adapts it to the table's handler type.

// A button click on one control: void Handler().
template <auto Method>
constexpr MessageEntry OnClicked(int controlId) {
    return {WM_COMMAND, BN_CLICKED, controlId, controlId,
            [](CommandTarget& target, const Message&) -> std::intptr_t {
                (static_cast<detail::ClassOf<Method>&>(target).*Method)();
                return 0;
            }};
}

// A command on a range of ids (the application's Help command): void Handler().
template <auto Method>
constexpr MessageEntry OnCommandRange(int firstId, int lastId) {
    return {WM_COMMAND, BN_CLICKED, firstId, lastId,
            [](CommandTarget& target, const Message&) -> std::intptr_t {
                (static_cast<detail::ClassOf<Method>&>(target).*Method)();
                return 0;
            }};
}

// WM_SYSCOMMAND: void Handler(unsigned id, std::intptr_t lParam).
template <auto Method>
constexpr MessageEntry OnSystemCommandMessage() {
    return {WM_SYSCOMMAND, 0, 0, 0, [](CommandTarget& target, const Message& m) -> std::intptr_t {
                (static_cast<detail::ClassOf<Method>&>(target).*Method)(
                    static_cast<unsigned>(m.wParam), m.lParam);
                return 0;
            }};
}

// WM_PAINT: void Handler().
template <auto Method>
constexpr MessageEntry OnPaintMessage() {
    return {WM_PAINT, 0, 0, 0, [](CommandTarget& target, const Message&) -> std::intptr_t {
                (static_cast<detail::ClassOf<Method>&>(target).*Method)();
                return 0;
            }};
}

// WM_QUERYDRAGICON: IconHandle Handler(), the icon as the message's result.
template <auto Method>
constexpr MessageEntry OnQueryDragIconMessage() {
    return {WM_QUERYDRAGICON, 0, 0, 0, [](CommandTarget& target, const Message&) -> std::intptr_t {
                return static_cast<std::intptr_t>(
                    (static_cast<detail::ClassOf<Method>&>(target).*Method)());
            }};
}

}  // namespace tavilo::platform
