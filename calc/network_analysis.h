// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Analysis of a finished pi network: its match at f, its transfer and harmonic
// attenuation, its half-power bandwidth and the stress on its parts.
#pragma once

#include <array>
#include <complex>
#include <numbers>

#include "calc/pi_network.h"

namespace tavilo::calc {

// 2*pi to full double precision. The analysis measures a design against the
// physics, so it does not use the rounded constant the designs are made with.
inline constexpr double kExactTwoPi = 2.0 * std::numbers::pi;

// A lossless pi network, C1 at the plate node, L in series, C2 at the antenna
// node with the antenna resistance across it. Ohms, hertz, farads, henries.
struct PiNetworkComponents {
    double plateOhms = 0.0;    // R1, the resistance the plate should see
    double antennaOhms = 0.0;  // R2, the load across C2
    double frequencyHz = 0.0;  // f, the operating frequency
    double c1Farads = 0.0;
    double lHenries = 0.0;
    double c2Farads = 0.0;
    // The 2*pi that every angular frequency is formed with (omega = f * twoPi).
    // Left at its default except to separate the designer's rounding of 2*pi
    // from the analysis's own errors.
    double twoPi = kExactTwoPi;
};

// How well the network presents R1 to the plate at f.
struct PlateMatch {
    std::complex<double> plateImpedanceOhms;  // Zin at the plate node
    double relativeError = 0.0;               // |Zin - R1| / R1
    double swr = 0.0;  // standing-wave ratio of Zin on a line of impedance R1
};

inline constexpr int kFirstHarmonic = 2;
inline constexpr int kLastHarmonic = 5;
inline constexpr int kHarmonicCount = kLastHarmonic - kFirstHarmonic + 1;

// Level of a harmonic in the antenna below the fundamental, for equal plate
// current at both frequencies.
struct HarmonicAttenuation {
    int harmonic = 0;            // n
    double frequencyHz = 0.0;    // n * f
    double attenuationDb = 0.0;  // 20 log10(|Z21(f)| / |Z21(n f)|)
};

// The half-power (-3.01 dB) points of |Z21| nearest to f on either side,
// relative to |Z21| at f. A side where |Z21| never falls to half power (the
// lower side of a matched network with R1 < 2 R2, for one) has NaN for its
// edge, and then the bandwidth and the operating Q are NaN too.
struct HalfPowerBandwidth {
    double lowerEdgeHz = 0.0;
    double upperEdgeHz = 0.0;
    double bandwidthHz = 0.0;  // upperEdgeHz - lowerEdgeHz
    double operatingQ = 0.0;   // f / bandwidthHz
};

struct PiNetworkAnalysis {
    // False when the components cannot describe a network (see
    // IsAnalyzableNetwork); every measurement below is then NaN (the
    // harmonics keep their n and n * f).
    bool analyzable = false;
    PlateMatch match;
    // Z21(f) = V_load / I_plate, with the plate driven as a current source.
    std::complex<double> transferImpedanceOhms;
    std::array<HarmonicAttenuation, kHarmonicCount> harmonics;  // n = 2, 3, 4, 5
    HalfPowerBandwidth bandwidth;
};

// RF stress on one part at f. Peak values are sqrt(2) times the RMS values.
struct ComponentStress {
    double rmsVolts = 0.0;
    double peakVolts = 0.0;
    double rmsAmps = 0.0;
    double peakAmps = 0.0;
    double reactiveVoltAmps = 0.0;  // |V| * |I|, RMS values
};

// The network at f delivering a given power into the antenna.
struct PiNetworkStress {
    double antennaWatts = 0.0;   // the power asked for, into R2
    double plateRmsAmps = 0.0;   // RF current the tube drives into the plate node
    double plateRmsVolts = 0.0;  // RF voltage at the plate node (across C1)
    double plateWatts = 0.0;     // power into the network, equal to antennaWatts
    ComponentStress c1;
    ComponentStress l;
    ComponentStress c2;
};

// The network a solve designed: the solver's resistances and frequency with
// the components it returned. Nothing is converted or rounded on the way.
PiNetworkComponents ComponentsOfDesign(const PiNetworkInputs& inputs,
                                       const PiNetworkResult& design);

// True when R1, R2, f, L and twoPi are positive and finite and C1, C2 are
// finite and not negative.
bool IsAnalyzableNetwork(const PiNetworkComponents& network);

// Zin at the plate node at any frequency.
std::complex<double> PlateImpedanceOhms(const PiNetworkComponents& network, double frequencyHz);

// Z21 = V_load / I_plate at any frequency.
std::complex<double> TransferImpedanceOhms(const PiNetworkComponents& network, double frequencyHz);

// 20 log10(|Z21(frequencyHz)| / |Z21(f)|): the transfer relative to f, in dB.
double TransferRelativeDb(const PiNetworkComponents& network, double frequencyHz);

// Match, transfer, harmonics 2 to 5 and bandwidth at the network's f.
PiNetworkAnalysis AnalyzePiNetwork(const PiNetworkComponents& network);

// Voltages, currents and reactive power at f with antennaWatts (>= 0) into R2.
// Every number is NaN when the network is not analyzable.
PiNetworkStress AnalyzeStress(const PiNetworkComponents& network, double antennaWatts);

}  // namespace tavilo::calc
