// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Helpers for running the forms on the in-memory window as a user would.
#pragma once

#include <gmock/gmock.h>

#include <string>

#include "platform/memory_window.h"

namespace tavilo::testing {

// "nan" or "-nan": the sign of a NaN depends on the processor that made it.
MATCHER(IsNanText, "is the text of a NaN") {
    return arg == "nan" || arg == "-nan";
}

}  // namespace tavilo::testing
