// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The pi-network solver. Every line is one rounded double operation in a fixed
// order, so results agree to the last bit on every machine: do not regroup,
// and do not pre-multiply f and TWO_PI into one omega.
#include "calc/pi_network.h"

#include <cmath>

#include "calc/angular.h"

namespace tavilo::calc {

double MinimumQ0(double plateOhms, double antennaOhms) {
    const double ratio = plateOhms / antennaOhms;
    return std::sqrt(ratio - 1.0);
}

double SplitQ(double plateOhms, double antennaOhms, double loadedQ) {
    const double r1 = plateOhms;
    const double r2 = antennaOhms;
    const double q0 = loadedQ;

    const double d = r1 - r2;
    const double p = ((q0 * q0) * r2) * r1;
    const double e = d * d;
    const double s = std::sqrt(p - e);
    const double n = (q0 * r1) - s;
    return n / d;
}

namespace {

// The standard split of Q0 and the C1 it needs, before the minimum is looked at.
struct StandardSplit {
    double q1 = 0.0;
    double q2 = 0.0;
    double c1 = 0.0;
};

StandardSplit SplitStandard(const PiNetworkInputs& inputs) {
    const double r1 = inputs.plateOhms;
    const double f = inputs.frequencyHz;
    StandardSplit split;
    split.q1 = SplitQ(r1, inputs.antennaOhms, inputs.loadedQ);
    split.q2 = inputs.loadedQ - split.q1;
    split.c1 = 1.0 / (((r1 / split.q1) * f) * TWO_PI);
    return split;
}

// Strict and ordered: a C1 equal to the minimum, or a NaN on either side,
// keeps the standard design.
bool BelowMinimum(double c1, double minC1) {
    return minC1 > c1;
}

}  // namespace

bool TakesMinimumC1Path(const PiNetworkInputs& inputs) {
    return BelowMinimum(SplitStandard(inputs).c1, inputs.minC1Farads);
}

PiNetworkResult SolvePiNetwork(const PiNetworkInputs& inputs) {
    const double r1 = inputs.plateOhms;
    const double r2 = inputs.antennaOhms;
    const double f = inputs.frequencyHz;
    const double cMin = inputs.minC1Farads;

    double q0 = inputs.loadedQ;
    const double ratio = r1 / r2;
    const StandardSplit split = SplitStandard(inputs);
    double q1 = split.q1;
    double q2 = split.q2;
    double c1 = split.c1;
    double c2 = 0.0;
    double xl = 0.0;

    if (BelowMinimum(c1, cMin)) {
        // The capacitor cannot go that low: pin C1 to its minimum and work the
        // rest of the network, Q0 included, out again from it.
        c1 = cMin;
        q1 = ((r1 * cMin) * f) * TWO_PI;
        const double s = q1 * q1;
        const double xc2 = std::sqrt((r2 / ((s - ratio) + 1.0)) * r1);
        c2 = 1.0 / ((xc2 * f) * TWO_PI);
        q2 = ((c2 * f) * TWO_PI) * r2;
        q0 = q2 + q1;
        xl = (q0 * r1) / (s + 1.0);
    } else {
        c2 = 1.0 / (((r2 / q2) * f) * TWO_PI);
        xl = (q0 / ((q1 * q1) + 1.0)) * r1;
    }

    const double l = xl / (f * TWO_PI);
    return PiNetworkResult{q0, q1, q2, c1, c2, l};
}

}  // namespace tavilo::calc
