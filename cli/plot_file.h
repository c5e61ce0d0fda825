// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The file of --plot: the SVG plot of the analysed network's transfer.
#pragma once

#include <optional>
#include <string>

#include "calc/network_analysis.h"

namespace tavilo::cli {

// Writes the plot to path, replacing what it held. Returns why it could not
// be written, or nullopt.
std::optional<std::string> WritePlotFile(const std::string& path,
                                         const calc::PiNetworkComponents& network,
                                         std::optional<double> antennaWatts);

}  // namespace tavilo::cli
