// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The pi-network solver: C1, L and C2 matching a plate impedance to an antenna.
#pragma once

namespace tavilo::calc {

// Inputs in ohms, hertz and farads. No invariant is enforced: any double,
// NaN and infinities included, is accepted.
struct PiNetworkInputs {
    double plateOhms = 0.0;    // R1
    double antennaOhms = 0.0;  // R2
    double loadedQ = 0.0;      // Q0, as the caller has accepted it
    double frequencyHz = 0.0;  // f
    double minC1Farads = 0.0;  // smallest capacitance allowed for C1
};

// The design in farads and henries.
struct PiNetworkResult {
    double loadedQ = 0.0;   // Q0 of the design (recomputed on the minimum-C1 path)
    double inputQ = 0.0;    // Q1, plate-side section
    double outputQ = 0.0;   // Q2, antenna-side section
    double c1Farads = 0.0;  // plate-side capacitor
    double c2Farads = 0.0;  // antenna-side capacitor
    double lHenries = 0.0;  // series inductor
};

// The bound sqrt(R1/R2 - 1) that Q0 has to exceed for both sections to have
// a positive Q.
double MinimumQ0(double plateOhms, double antennaOhms);

// Q1, the plate-side share of Q0 for which both L sections have the same
// intermediate resistance (the smaller root of the quadratic for R1 > R2).
double SplitQ(double plateOhms, double antennaOhms, double loadedQ);

// True when SolvePiNetwork takes its minimum-C1 path for these inputs: the C1
// of the standard split is below minC1Farads, so C1 is held at that minimum
// and Q1, Q2 and Q0 are worked out again from it.
bool TakesMinimumC1Path(const PiNetworkInputs& inputs);

// The whole design. Validates nothing; non-finite values flow through.
PiNetworkResult SolvePiNetwork(const PiNetworkInputs& inputs);

}  // namespace tavilo::calc
