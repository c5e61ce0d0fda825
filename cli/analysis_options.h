// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The values of analyze's own options, --power and --spurious-limit. They
// are not field texts: a value that is not wholly a number is refused.
#pragma once

#include <optional>
#include <string_view>

#include "cli/network_report.h"

namespace tavilo::cli {

// A power in watts: a finite number above 0, blanks around it allowed.
std::optional<double> ParsePowerWatts(std::string_view text);

// "auto" (in any case) or a finite number of dB, 0 or more.
std::optional<SpuriousLimitChoice> ParseSpuriousLimit(std::string_view text);

}  // namespace tavilo::cli
