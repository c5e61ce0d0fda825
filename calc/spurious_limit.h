// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A network's harmonic attenuation held against a limit on spurious
// emissions, in dB below the carrier.
#pragma once

#include <array>

#include "calc/network_analysis.h"

namespace tavilo::calc {

// The common rule for spurious emissions: 43 + 10 log10(P) dB below the
// carrier, for a carrier of P watts. NaN for a negative or NaN power.
double CommonSpuriousLimitDb(double carrierWatts);

// The harmonics held against a limit: the 2nd and 3rd, which a pi network
// attenuates least.
inline constexpr int kLimitCheckedHarmonics = 2;

struct HarmonicLimitCheck {
    int harmonic = 0;            // n
    double attenuationDb = 0.0;  // the network's attenuation at n f
    double marginDb = 0.0;       // attenuation - limit: negative when it falls short
    bool meetsLimit = false;     // attenuation >= limit; false when either is NaN
};

// The 2nd and 3rd harmonics of the analysis against limitDb. A network that
// could not be analysed meets no limit.
std::array<HarmonicLimitCheck, kLimitCheckedHarmonics> CheckHarmonicsAgainstLimit(
    const PiNetworkAnalysis& analysis, double limitDb);

}  // namespace tavilo::calc
