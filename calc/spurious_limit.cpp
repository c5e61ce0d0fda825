// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Spurious-emission limits.
#include "calc/spurious_limit.h"

#include <cmath>

namespace tavilo::calc {

double CommonSpuriousLimitDb(double carrierWatts) {
    return 43.0 + 10.0 * std::log10(carrierWatts);
}

std::array<HarmonicLimitCheck, kLimitCheckedHarmonics> CheckHarmonicsAgainstLimit(
    const PiNetworkAnalysis& analysis, double limitDb) {
    std::array<HarmonicLimitCheck, kLimitCheckedHarmonics> checks;
    for (int i = 0; i < kLimitCheckedHarmonics; ++i) {
        const HarmonicAttenuation& harmonic = analysis.harmonics[static_cast<std::size_t>(i)];
        HarmonicLimitCheck& check = checks[static_cast<std::size_t>(i)];
        check.harmonic = harmonic.harmonic;
        check.attenuationDb = harmonic.attenuationDb;
        check.marginDb = harmonic.attenuationDb - limitDb;
        // Ordered: a NaN attenuation or limit does not pass.
        check.meetsLimit = harmonic.attenuationDb >= limitDb;
    }
    return checks;
}

}  // namespace tavilo::calc
