// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Message dispatch along a chain of message tables.
#include "platform/message_table.h"

namespace tavilo::platform {

const MessageTable CommandTarget::kMessageTable{nullptr, {}};

namespace {

bool Matches(const MessageEntry& entry, const Message& message) {
    if (entry.message != message.id) return false;
    if (message.id != WM_COMMAND) return true;
    const int id = CommandId(message);
    return entry.notification == CommandNotification(message) && id >= entry.firstId &&
           id <= entry.lastId;
}

}  // namespace

bool CommandTarget::Dispatch(const Message& message, std::intptr_t* result) {
    for (const MessageTable* table = GetMessageTable(); table != nullptr; table = table->base) {
        for (const MessageEntry& entry : table->entries) {
            if (Matches(entry, message)) {
                const std::intptr_t handled = entry.handler(*this, message);
                if (result != nullptr) *result = handled;
                return true;
            }
        }
    }
    return false;
}

}  // namespace tavilo::platform
