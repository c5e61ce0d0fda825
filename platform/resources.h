// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program's resources as the window layer finds them by id. The layer
// only declares these lookups; the program's res/ library defines them, as a
// module carries its own resources.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "platform/dialog_template.h"

namespace tavilo::platform {

// The dialog template with this id, or null.
const DialogTemplate* FindDialogTemplate(int templateId);

// The string with this id; empty when the program has none.
std::string_view LoadString(int stringId);

// The bytes of the icon file of icon group `iconId` (.ico format); empty when
// the program has none.
std::span<const std::byte> FindIconGroup(int iconId);

}  // namespace tavilo::platform
