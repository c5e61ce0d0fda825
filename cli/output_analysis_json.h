// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis of a designed network as the "analysis" object of the JSON
// output. Its keys state their units; numbers are the shortest round-trip
// texts, and non-finite ones the strings "inf", "-inf" and "nan".
#pragma once

#include <string>

#include "cli/network_report.h"

namespace tavilo::cli {

// Appends ,"analysis":{...}.
void AppendNetworkReportJson(std::string& out, const NetworkReport& report);

}  // namespace tavilo::cli
