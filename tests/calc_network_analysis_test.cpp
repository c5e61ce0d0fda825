// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The network analysis against facts worked out apart from it: node analysis
// by hand, closed forms for tanks and Butterworth filters, the L-section
// identities of a matched pi, and the energy balance of a lossless network.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <ostream>

#include "calc/angular.h"
#include "calc/network_analysis.h"
#include "calc/pi_network.h"

namespace tavilo::calc {
namespace {

using Complex = std::complex<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A design analysed at its own frequency, with the full-precision 2*pi.
PiNetworkComponents Analysed(const PiNetworkInputs& inputs) {
    return ComponentsOfDesign(inputs, SolvePiNetwork(inputs));
}

// 5000 ohm plate, 50 ohm antenna, Q0 12 at 3.5 MHz with air capacitors, with
// the main window's unit conversions.
PiNetworkComponents Example3500kHz() {
    return Analysed({5000, 50, 12, 3.5 * 1e6, 45 * 1e-12});
}

// Node analysis of the current-driven pi, written out by hand: the node
// equations (jwC1 + 1/jwL) V1 - V2/jwL = I and -V1/jwL + (jwC2 + G + 1/jwL) V2 = 0
// give V1 = V2 (1 - w^2 L C2 + jwLG) and
//   I / V2 = G (1 - w^2 L C1) + jw (C1 + C2 - w^2 L C1 C2).
struct NodeAnalysis {
    Complex transfer;  // V2 / I
    Complex plate;     // V1 / I
};

NodeAnalysis SolveNodes(const PiNetworkComponents& n, double frequencyHz) {
    const double w = kTwoPi * frequencyHz;
    const double g = 1.0 / n.antennaOhms;
    const Complex inverseTransfer(
        g * (1 - w * w * n.lHenries * n.c1Farads),
        w * (n.c1Farads + n.c2Farads - w * w * n.lHenries * n.c1Farads * n.c2Farads));
    const Complex plateOverLoad(1 - w * w * n.lHenries * n.c2Farads, w * n.lHenries * g);
    return {1.0 / inverseTransfer, plateOverLoad / inverseTransfer};
}

double RelativeDifference(Complex a, Complex b) {
    return std::abs(a - b) / std::abs(b);
}

// --- Match at f -----------------------------------------------------------

TEST(PlateMatch, TheDesignPresentsThePlateImpedanceUpToTheRoundedTwoPi) {
    PiNetworkComponents network = Example3500kHz();
    const PiNetworkAnalysis exact = AnalyzePiNetwork(network);
    ASSERT_TRUE(exact.analyzable);
    // The designer forms every reactance with 6.2831852, 1.7e-8 below 2*pi;
    // a loaded Q of 12 turns that into an error of about 4e-7, and no less.
    EXPECT_LT(exact.match.relativeError, 1e-6);
    EXPECT_GT(exact.match.relativeError, 1e-7);
    EXPECT_NEAR(exact.match.swr, 1.0, 2e-6);

    // Analysed with the designer's own constant, only rounding is left.
    network.twoPi = TWO_PI;
    const PiNetworkAnalysis rounded = AnalyzePiNetwork(network);
    EXPECT_LT(rounded.match.relativeError, 1e-15);
    EXPECT_NEAR(rounded.match.plateImpedanceOhms.real(), 5000.0, 5000.0 * 1e-15);
}

struct WrongNetworkCase {
    const char* name;
    void (*spoil)(PiNetworkComponents&);
    friend void PrintTo(const WrongNetworkCase& c, std::ostream* os) { *os << c.name; }
};

class WrongNetwork : public ::testing::TestWithParam<WrongNetworkCase> {};

TEST_P(WrongNetwork, ShowsALargeMatchError) {
    PiNetworkComponents network = Example3500kHz();
    GetParam().spoil(network);
    const PiNetworkAnalysis analysis = AnalyzePiNetwork(network);
    ASSERT_TRUE(analysis.analyzable);
    EXPECT_GT(analysis.match.relativeError, 0.1);
    EXPECT_GT(analysis.match.swr, 1.2);
    // Independent of the analysis code: the plate impedance by node analysis.
    EXPECT_LT(RelativeDifference(analysis.match.plateImpedanceOhms,
                                 SolveNodes(network, network.frequencyHz).plate),
              1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    SpoiledDesigns, WrongNetwork,
    ::testing::Values(
        WrongNetworkCase{"capacitors_swapped",
                         [](PiNetworkComponents& n) { std::swap(n.c1Farads, n.c2Farads); }},
        WrongNetworkCase{"network_reversed",
                         [](PiNetworkComponents& n) { std::swap(n.plateOhms, n.antennaOhms); }},
        WrongNetworkCase{"coil_5_percent_high", [](PiNetworkComponents& n) { n.lHenries *= 1.05; }},
        WrongNetworkCase{"c1_5_percent_low", [](PiNetworkComponents& n) { n.c1Farads *= 0.95; }},
        // The antenna side has a Q of only 0.56 here, so C2 is the forgiving part.
        WrongNetworkCase{"c2_50_percent_high", [](PiNetworkComponents& n) { n.c2Farads *= 1.5; }},
        WrongNetworkCase{"other_band", [](PiNetworkComponents& n) { n.frequencyHz = 3.8e6; }},
        WrongNetworkCase{"coil_in_microhenries",
                         [](PiNetworkComponents& n) { n.lHenries *= 1e6; }}),
    [](const ::testing::TestParamInfo<WrongNetworkCase>& test) { return test.param.name; });

// --- Transfer and harmonics -----------------------------------------------

TEST(HarmonicAttenuation, ButterworthPiFollowsItsClosedForm) {
    // Into 1 ohm from a current source, C1 = 3/2, L = 4/3 and C2 = 1/2 give,
    // by the node analysis above (L C1 = 2, C1 + C2 = 2, L C1 C2 = 1),
    // |I/V2|^2 = (1 - 2w^2)^2 + w^2 (2 - w^2)^2 = 1 + w^6: the third-order
    // Butterworth response. At w = 1 the n-th harmonic is 10 log10((1 + n^6) / 2)
    // dB down.
    const PiNetworkComponents butterworth{1.0, 1.0, 1.0 / kTwoPi, 1.5, 4.0 / 3.0, 0.5};
    const PiNetworkAnalysis analysis = AnalyzePiNetwork(butterworth);
    ASSERT_TRUE(analysis.analyzable);
    for (const HarmonicAttenuation& h : analysis.harmonics) {
        const double n = h.harmonic;
        EXPECT_NEAR(h.frequencyHz, n / kTwoPi, 1e-15) << n;
        EXPECT_NEAR(h.attenuationDb, 10.0 * std::log10((1.0 + std::pow(n, 6)) / 2.0), 1e-12) << n;
    }
    EXPECT_EQ(analysis.harmonics.front().harmonic, 2);
    EXPECT_EQ(analysis.harmonics.back().harmonic, 5);
    // 15.12 dB at the 2nd harmonic, 25.62 dB at the 3rd, by hand.
    EXPECT_NEAR(analysis.harmonics[0].attenuationDb, 15.1188, 1e-4);
    EXPECT_NEAR(analysis.harmonics[1].attenuationDb, 25.6229, 1e-4);
}

TEST(HarmonicAttenuation, ExampleDesignAgreesWithNodeAnalysisAndIsAbout33DbAtTheSecond) {
    const PiNetworkComponents network = Example3500kHz();
    const PiNetworkAnalysis analysis = AnalyzePiNetwork(network);
    const double atF = std::abs(SolveNodes(network, network.frequencyHz).transfer);
    for (const HarmonicAttenuation& h : analysis.harmonics) {
        const double atHarmonic = std::abs(SolveNodes(network, h.frequencyHz).transfer);
        EXPECT_NEAR(h.attenuationDb, 20.0 * std::log10(atF / atHarmonic), 1e-9) << h.harmonic;
    }
    EXPECT_NEAR(analysis.harmonics[0].attenuationDb, 33.0, 0.5);
    // A three-pole low-pass: each step up in harmonic attenuates more.
    for (int i = 1; i < kHarmonicCount; ++i) {
        EXPECT_GT(analysis.harmonics[i].attenuationDb, analysis.harmonics[i - 1].attenuationDb);
    }
}

TEST(TransferRelativeDb, IsZeroAtFAndTheNegatedAttenuationAtEachHarmonic) {
    const PiNetworkComponents network = Example3500kHz();
    const PiNetworkAnalysis analysis = AnalyzePiNetwork(network);
    EXPECT_EQ(TransferRelativeDb(network, network.frequencyHz), 0.0);
    for (const HarmonicAttenuation& h : analysis.harmonics) {
        EXPECT_EQ(TransferRelativeDb(network, h.frequencyHz), -h.attenuationDb);
    }
    // At zero frequency the network is a wire into R2: |Z21| = R2 against
    // sqrt(R1 R2) at f, 20 dB down for a 100:1 match.
    EXPECT_NEAR(TransferRelativeDb(network, 0.0), -20.0, 1e-5);
}

// --- Bandwidth -------------------------------------------------------------

// Half-power points of a response whose |I/V2|^2 is the quadratic
// p2 x^2 + p1 x + p0 in x = w^2, relative to its value at w0: the roots of
// p2 x^2 + p1 x + p0 - 2 p(w0^2), by the quadratic formula.
struct Edges {
    double lowerHz;
    double upperHz;
};

Edges QuadraticHalfPower(double p2, double p1, double p0, double omega0) {
    const double x0 = omega0 * omega0;
    const double c = p0 - 2.0 * (p2 * x0 * x0 + p1 * x0 + p0);
    const double root = std::sqrt(p1 * p1 - 4.0 * p2 * c);
    const double xLow = (-p1 - root) / (2.0 * p2);
    const double xHigh = (-p1 + root) / (2.0 * p2);
    return {std::sqrt(xLow) / kTwoPi, std::sqrt(xHigh) / kTwoPi};
}

struct TankCase {
    const char* name;
    double detune;  // f as a multiple of the tank's resonance
    friend void PrintTo(const TankCase& c, std::ostream* os) { *os << c.name; }
};

class TankBandwidth : public ::testing::TestWithParam<TankCase> {};

TEST_P(TankBandwidth, MatchesTheClosedFormToOnePartInABillion) {
    // Without C2 the pi is a parallel tank: C1 across L in series with R2.
    // Then |I/V2|^2 = G^2 (1 - L C1 w^2)^2 + C1^2 w^2, a quadratic in w^2.
    const double l = 10e-6;
    const double c1 = 100e-12;
    const double r2 = 10.0;
    const double g = 1.0 / r2;
    const double resonanceHz = 1.0 / (kTwoPi * std::sqrt(l * c1));
    const double f = resonanceHz * GetParam().detune;
    const PiNetworkComponents tank{316.0, r2, f, c1, l, 0.0};

    const Edges expected = QuadraticHalfPower(g * g * l * c1 * l * c1,
                                              c1 * c1 - 2.0 * g * g * l * c1, g * g, kTwoPi * f);
    const HalfPowerBandwidth got = AnalyzePiNetwork(tank).bandwidth;
    EXPECT_NEAR(got.lowerEdgeHz, expected.lowerHz, expected.lowerHz * 1e-9);
    EXPECT_NEAR(got.upperEdgeHz, expected.upperHz, expected.upperHz * 1e-9);
    const double bandwidth = expected.upperHz - expected.lowerHz;
    EXPECT_NEAR(got.bandwidthHz, bandwidth, bandwidth * 1e-7);
    EXPECT_NEAR(got.operatingQ, f / bandwidth, f / bandwidth * 1e-7);
}

INSTANTIATE_TEST_SUITE_P(ParallelTank, TankBandwidth,
                         ::testing::Values(TankCase{"tuned", 1.0},
                                           // f below the peak: the upper edge lies beyond the
                                           // turning point of |Z21|, which the search must pass.
                                           TankCase{"tuned_two_percent_low", 0.98}),
                         [](const ::testing::TestParamInfo<TankCase>& test) {
                             return test.param.name;
                         });

TEST(HalfPowerBandwidth, TankOfQ31HasAnOperatingQNearIt) {
    // The tank above at resonance has Q = w0 L / R2 = 31.6; for a Q this high
    // the half-power bandwidth is f / Q to within a fraction of a percent.
    const double l = 10e-6;
    const double c1 = 100e-12;
    const double resonanceHz = 1.0 / (kTwoPi * std::sqrt(l * c1));
    const PiNetworkComponents tank{316.0, 10.0, resonanceHz, c1, l, 0.0};
    EXPECT_NEAR(AnalyzePiNetwork(tank).bandwidth.operatingQ, kTwoPi * resonanceHz * l / 10.0, 0.2);
}

TEST(HalfPowerBandwidth, LowPassBelowItsCornerHasOnlyAnUpperEdge) {
    // The Butterworth pi has |Z21|^2 = 1 / (1 + w^6): flat below the corner,
    // so from w0 = 0.5 it never falls to half power downwards, and upwards it
    // reaches half power at w^6 = 1 + 2 w0^6.
    const double omega0 = 0.5;
    const PiNetworkComponents butterworth{1.0, 1.0, omega0 / kTwoPi, 1.5, 4.0 / 3.0, 0.5};
    const HalfPowerBandwidth got = AnalyzePiNetwork(butterworth).bandwidth;
    const double upperHz = std::pow(1.0 + 2.0 * std::pow(omega0, 6), 1.0 / 6.0) / kTwoPi;
    EXPECT_NEAR(got.upperEdgeHz, upperHz, upperHz * 1e-9);
    EXPECT_TRUE(std::isnan(got.lowerEdgeHz));
    EXPECT_TRUE(std::isnan(got.bandwidthHz));
    EXPECT_TRUE(std::isnan(got.operatingQ));
}

TEST(HalfPowerBandwidth, TakesTheCrossingNearestToFWhereTheResponseRipples) {
    // A third-order Chebyshev pi with 6 dB of ripple, into 1 ohm:
    // |I/V2|^2 = 1 + e^2 T3(w)^2 with T3(w) = 4w^3 - 3w, e^2 = 10^0.6 - 1.
    // Matching 1 + (b^2 - 2a) x + (a^2 - 2bc) x^2 + c^2 x^3 (a = L C1,
    // b = C1 + C2, c = L C1 C2, x = w^2) term by term gives c = 4e,
    // a = (b^2 - 9e^2) / 2 and a^2 - 8eb + 24e^2 = 0, solved here for b.
    const double e = std::sqrt(std::pow(10.0, 0.6) - 1.0);
    auto residual = [e](double b) {
        const double a = (b * b - 9.0 * e * e) / 2.0;
        return a * a - 8.0 * e * b + 24.0 * e * e;
    };
    double low = 5.5;   // residual < 0
    double high = 6.0;  // residual > 0
    for (int i = 0; i < 100; ++i) {
        const double mid = (low + high) / 2.0;
        (residual(mid) < 0.0 ? low : high) = mid;
    }
    const double b = low;
    const double a = (b * b - 9.0 * e * e) / 2.0;
    const double c = 4.0 * e;
    const double c2 = c / a;
    const double c1 = b - c2;
    ASSERT_GT(c1, 0.0);

    // f at the ripple peak w = sqrt(3)/2, where T3 = 0. Below it the response
    // dips 6 dB at w = 0.5 and climbs back to 0 dB at zero frequency, so it
    // crosses half power twice below f; the lower edge is the nearer crossing.
    // Half power is T3 = -1/e there and +1/e above f, and since
    // T3(cos t) = cos 3t, the edges are w = cos(acos(-+1/e) / 3).
    const double omega0 = std::sqrt(3.0) / 2.0;
    const PiNetworkComponents chebyshev{1.0, 1.0, omega0 / kTwoPi, c1, a / c1, c2};
    const HalfPowerBandwidth got = AnalyzePiNetwork(chebyshev).bandwidth;
    const double lowerHz = std::cos(std::acos(-1.0 / e) / 3.0) / kTwoPi;
    const double upperHz = std::cos(std::acos(1.0 / e) / 3.0) / kTwoPi;
    ASSERT_GT(lowerHz, 0.5 / kTwoPi);
    EXPECT_NEAR(got.lowerEdgeHz, lowerHz, lowerHz * 1e-9);
    EXPECT_NEAR(got.upperEdgeHz, upperHz, upperHz * 1e-9);
    EXPECT_NEAR(got.operatingQ, chebyshev.frequencyHz / (upperHz - lowerHz), 1e-6);
}

TEST(HalfPowerBandwidth, ExampleEdgesLieOnHalfPowerToOnePartInABillion) {
    const PiNetworkComponents network = Example3500kHz();
    const HalfPowerBandwidth got = AnalyzePiNetwork(network).bandwidth;
    ASSERT_LT(got.lowerEdgeHz, network.frequencyHz);
    ASSERT_GT(got.upperEdgeHz, network.frequencyHz);
    // Node analysis, not the analysis code, judges each side of each edge.
    const double atF = std::norm(SolveNodes(network, network.frequencyHz).transfer);
    auto relativePower = [&](double hz) {
        return std::norm(SolveNodes(network, hz).transfer) / atF;
    };
    EXPECT_GT(relativePower(got.lowerEdgeHz * (1 + 1e-9)), 0.5);
    EXPECT_LT(relativePower(got.lowerEdgeHz * (1 - 1e-9)), 0.5);
    EXPECT_LT(relativePower(got.upperEdgeHz * (1 + 1e-9)), 0.5);
    EXPECT_GT(relativePower(got.upperEdgeHz * (1 - 1e-9)), 0.5);
    EXPECT_DOUBLE_EQ(got.bandwidthHz, got.upperEdgeHz - got.lowerEdgeHz);
    EXPECT_DOUBLE_EQ(got.operatingQ, network.frequencyHz / got.bandwidthHz);
}

// --- Power and stress ------------------------------------------------------

TEST(PowerBalance, PowerIntoThePlateReachesTheLoadAtAnyFrequency) {
    // A lossless network: per unit plate current, Re(Zin) watts go in and
    // |Z21|^2 / R2 watts reach the antenna.
    const PiNetworkComponents network = Example3500kHz();
    for (const double multiple : {1.0, 0.7, 0.97, 1.03, 2.0, 3.0, 5.0}) {
        const double hz = network.frequencyHz * multiple;
        const double in = PlateImpedanceOhms(network, hz).real();
        const double out = std::norm(TransferImpedanceOhms(network, hz)) / network.antennaOhms;
        EXPECT_NEAR(in, out, out * 1e-11) << multiple;
    }
    const PiNetworkStress stress = AnalyzeStress(network, 1000.0);
    EXPECT_NEAR(stress.plateWatts, 1000.0, 1e-9);
    EXPECT_EQ(stress.antennaWatts, 1000.0);
}

void ExpectStress(const ComponentStress& got, double rmsVolts, double rmsAmps, double voltAmps) {
    EXPECT_NEAR(got.rmsVolts, rmsVolts, rmsVolts * 1e-12);
    EXPECT_NEAR(got.rmsAmps, rmsAmps, rmsAmps * 1e-12);
    EXPECT_NEAR(got.reactiveVoltAmps, voltAmps, voltAmps * 1e-12);
    EXPECT_NEAR(got.peakVolts, rmsVolts * std::sqrt(2.0), rmsVolts * 1e-12);
    EXPECT_NEAR(got.peakAmps, rmsAmps * std::sqrt(2.0), rmsAmps * 1e-12);
}

TEST(Stress, MatchedNetworkFollowsItsLSectionIdentities) {
    // 100 ohms to 20 ohms with Q1 = 3 and Q2 = 1: Xc1 = 100/3, Xc2 = 20,
    // XL = 40 and Rv = 10 ohms. At P = 100 W into the antenna: 100 V across C1
    // (P = V^2 / R1), sqrt(2000) V across C2, sqrt(P / Rv) = sqrt(10) A in L,
    // and reactive powers P Q1, P Q2 and P Q0 in C1, C2 and L.
    PiNetworkComponents network = Analysed({100, 20, 4, 1e6, 45 * 1e-12});
    network.twoPi = TWO_PI;  // the design's own constant: the match is exact
    const double p = 100.0;
    const PiNetworkStress stress = AnalyzeStress(network, p);
    ExpectStress(stress.c1, 100.0, 3.0, p * 3.0);
    ExpectStress(stress.c2, std::sqrt(2000.0), std::sqrt(2000.0) / 20.0, p * 1.0);
    ExpectStress(stress.l, std::sqrt(10.0) * 40.0, std::sqrt(10.0), p * 4.0);
    EXPECT_NEAR(stress.plateRmsVolts, 100.0, 1e-10);
    EXPECT_NEAR(stress.plateRmsAmps, 1.0, 1e-12);  // sqrt(P / R1)
    EXPECT_NEAR(stress.plateWatts, p, 1e-10);
}

TEST(Stress, ScalesWithPowerAndIsZeroWithout) {
    const PiNetworkComponents network = Example3500kHz();
    const PiNetworkStress kilowatt = AnalyzeStress(network, 1000.0);
    const PiNetworkStress quarter = AnalyzeStress(network, 250.0);
    EXPECT_NEAR(quarter.l.rmsAmps, kilowatt.l.rmsAmps / 2.0, 1e-12);
    EXPECT_NEAR(quarter.c1.reactiveVoltAmps, kilowatt.c1.reactiveVoltAmps / 4.0, 1e-9);
    // Reactive power balances at resonance: what L stores, C1 and C2 return.
    EXPECT_NEAR(kilowatt.l.reactiveVoltAmps,
                kilowatt.c1.reactiveVoltAmps + kilowatt.c2.reactiveVoltAmps, 1e-3);
    const PiNetworkStress none = AnalyzeStress(network, 0.0);
    EXPECT_EQ(none.l.rmsAmps, 0.0);
    EXPECT_EQ(none.c1.peakVolts, 0.0);
}

// --- Networks that cannot be analysed -------------------------------------

struct UnanalyzableCase {
    const char* name;
    PiNetworkComponents network;
    friend void PrintTo(const UnanalyzableCase& c, std::ostream* os) { *os << c.name; }
};

class Unanalyzable : public ::testing::TestWithParam<UnanalyzableCase> {};

TEST_P(Unanalyzable, GivesNaNsInsteadOfNumbers) {
    const PiNetworkComponents& network = GetParam().network;
    EXPECT_FALSE(IsAnalyzableNetwork(network));
    const PiNetworkAnalysis analysis = AnalyzePiNetwork(network);
    EXPECT_FALSE(analysis.analyzable);
    EXPECT_TRUE(std::isnan(analysis.match.relativeError));
    EXPECT_TRUE(std::isnan(analysis.match.swr));
    EXPECT_TRUE(std::isnan(analysis.bandwidth.operatingQ));
    for (const HarmonicAttenuation& h : analysis.harmonics) {
        EXPECT_TRUE(std::isnan(h.attenuationDb)) << h.harmonic;
    }
    const PiNetworkStress stress = AnalyzeStress(network, 100.0);
    EXPECT_TRUE(std::isnan(stress.l.rmsAmps));
    EXPECT_TRUE(std::isnan(stress.plateWatts));
}

INSTANTIATE_TEST_SUITE_P(
    BadComponents, Unanalyzable,
    ::testing::Values(
        // What the designer returns for equal plate and antenna impedances.
        UnanalyzableCase{"nan_design", {50, 50, 3.5e6, kNaN, kNaN, kNaN}},
        UnanalyzableCase{"no_frequency", {5000, 50, 0, kInf, kInf, kInf}},
        UnanalyzableCase{"no_antenna", {5000, 0, 3.5e6, 100e-12, 20e-6, 500e-12}},
        UnanalyzableCase{"no_coil", {5000, 50, 3.5e6, 100e-12, 0, 500e-12}},
        UnanalyzableCase{"negative_c2", {5000, 50, 3.5e6, 100e-12, 20e-6, -1e-12}},
        UnanalyzableCase{"infinite_c1", {5000, 50, 3.5e6, kInf, 20e-6, 500e-12}}),
    [](const ::testing::TestParamInfo<UnanalyzableCase>& test) { return test.param.name; });

TEST(IsAnalyzableNetwork, AcceptsAMissingCapacitor) {
    // Q0 exactly on its bound designs C2 = 0, a network all the same.
    const PiNetworkComponents onBound = Analysed({100, 20, 2, 1e6, 1e-15});
    ASSERT_EQ(onBound.c2Farads, 0.0);
    EXPECT_TRUE(IsAnalyzableNetwork(onBound));
    EXPECT_LT(AnalyzePiNetwork(onBound).match.relativeError, 1e-6);
}

}  // namespace
}  // namespace tavilo::calc
