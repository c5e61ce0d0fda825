// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// How the desktop knows the program: its application id and icon.
#pragma once

#include "res/resource_ids.h"

namespace tavilo::res {

// Reverse-DNS id of the desktop entry and AppStream metadata.
inline constexpr const char* kApplicationId = "io.github.tavilo.Tavilo";
inline constexpr int kApplicationIconId = IDI_APP;

}  // namespace tavilo::res
