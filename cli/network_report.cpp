// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The network report, made by the analysis of calc/.
#include "cli/network_report.h"

namespace tavilo::cli {

NetworkReport ReportOnNetwork(const calc::PiNetworkComponents& network,
                              const AnalysisSettings& settings) {
    NetworkReport report;
    report.analysis = calc::AnalyzePiNetwork(network);
    if (settings.antennaWatts) {
        report.stress = calc::AnalyzeStress(network, *settings.antennaWatts);
    }
    if (settings.spuriousLimit) {
        const SpuriousLimitChoice& choice = *settings.spuriousLimit;
        // The command line lets "auto" through only with a power.
        if (choice.fromPower && !settings.antennaWatts) return report;
        SpuriousReport& spurious = report.spurious.emplace();
        spurious.fromPower = choice.fromPower;
        spurious.limitDb =
            choice.fromPower ? calc::CommonSpuriousLimitDb(*settings.antennaWatts) : choice.db;
        spurious.checks = calc::CheckHarmonicsAgainstLimit(report.analysis, spurious.limitDb);
    }
    return report;
}

}  // namespace tavilo::cli
