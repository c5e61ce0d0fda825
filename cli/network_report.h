// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What analyze reports about a designed network: the analysis, and with a
// power and a spurious-emission limit, the stress and the harmonics' verdicts.
#pragma once

#include <optional>

#include "calc/network_analysis.h"
#include "calc/spurious_limit.h"

namespace tavilo::cli {

// --spurious-limit: a number of dB below the carrier, or the common rule
// worked out from --power.
struct SpuriousLimitChoice {
    bool fromPower = false;  // "auto": 43 + 10 log10(P)
    double db = 0.0;         // when given as a number
};

// The analyze options beyond those of pi.
struct AnalysisSettings {
    std::optional<double> antennaWatts;  // --power
    std::optional<SpuriousLimitChoice> spuriousLimit;
};

struct SpuriousReport {
    double limitDb = 0.0;
    bool fromPower = false;
    std::array<calc::HarmonicLimitCheck, calc::kLimitCheckedHarmonics> checks;
};

struct NetworkReport {
    calc::PiNetworkAnalysis analysis;
    std::optional<calc::PiNetworkStress> stress;  // with a power
    std::optional<SpuriousReport> spurious;       // with a limit (auto needs a power)
};

NetworkReport ReportOnNetwork(const calc::PiNetworkComponents& network,
                              const AnalysisSettings& settings);

}  // namespace tavilo::cli
