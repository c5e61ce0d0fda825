// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis of a designed network in the text output: match, bandwidth,
// harmonics, the spurious limit and the stress on the parts, with units.
#pragma once

#include <string>

#include "cli/network_report.h"

namespace tavilo::cli {

void AppendNetworkReportText(std::string& out, const NetworkReport& report);

}  // namespace tavilo::cli
