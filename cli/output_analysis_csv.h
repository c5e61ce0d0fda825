// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis of a designed network as CSV columns. The columns are the same
// for every row; a cell that needs --power or --spurious-limit, or a design
// that was not made, is empty.
#pragma once

#include <string>

#include "cli/network_report.h"

namespace tavilo::cli {

// Appends ",name,name,...".
void AppendNetworkReportCsvHeader(std::string& out);

// Appends ",cell,cell,...": the report's, or empty cells for none.
void AppendNetworkReportCsvCells(std::string& out, const NetworkReport* report);

}  // namespace tavilo::cli
