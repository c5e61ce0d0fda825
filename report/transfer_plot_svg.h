// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// An SVG plot of a pi network's transfer from 0.5 f to 5.5 f, in dB relative
// to f, with the fundamental and harmonics 2 to 5 marked.
#pragma once

#include <optional>
#include <string>

#include "calc/network_analysis.h"

namespace tavilo::report {

inline constexpr int kTransferPlotWidthPx = 800;
inline constexpr int kTransferPlotHeightPx = 500;

// The whole SVG document, UTF-8, locale-independent. Its header states the
// design, the match, the half-power bandwidth and operating Q; with
// antennaWatts it adds the coil current and the capacitor peak voltages at
// that power. A network that cannot be analysed gives a document that says so
// in place of the plot.
std::string TransferPlotSvg(const calc::PiNetworkComponents& network,
                            std::optional<double> antennaWatts = std::nullopt);

}  // namespace tavilo::report
