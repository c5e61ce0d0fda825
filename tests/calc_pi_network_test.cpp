// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The pi-network solver against values worked out independently, to the bit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/angular.h"
#include "calc/pi_network.h"

namespace tavilo::calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Compares every field bit for bit (NaN equal to NaN).
void ExpectSameBits(const PiNetworkResult& actual, const PiNetworkResult& expected) {
    auto same = [](double a, double b) {
        return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
    };
    EXPECT_PRED2(same, actual.loadedQ, expected.loadedQ) << "loadedQ";
    EXPECT_PRED2(same, actual.inputQ, expected.inputQ) << "inputQ";
    EXPECT_PRED2(same, actual.outputQ, expected.outputQ) << "outputQ";
    EXPECT_PRED2(same, actual.c1Farads, expected.c1Farads) << "c1Farads";
    EXPECT_PRED2(same, actual.c2Farads, expected.c2Farads) << "c2Farads";
    EXPECT_PRED2(same, actual.lHenries, expected.lHenries) << "lHenries";
}

TEST(MinimumQ0, GivesTheBoundOrItsNonFiniteEdges) {
    EXPECT_EQ(MinimumQ0(100, 20), 2.0);
    EXPECT_EQ(MinimumQ0(50, 50), 0.0);
    EXPECT_TRUE(std::isnan(MinimumQ0(20, 100)));
    EXPECT_EQ(MinimumQ0(100, 0), kInf);
    EXPECT_TRUE(std::isnan(MinimumQ0(0, 0)));
    EXPECT_TRUE(std::isnan(MinimumQ0(0, 50)));
}

TEST(SplitQ, SplitsExactlyEitherWayRound) {
    EXPECT_EQ(SplitQ(100, 20, 4), 3.0);
    EXPECT_EQ(SplitQ(20, 100, 4), 1.0);  // plate and antenna exchanged
    EXPECT_EQ(SplitQ(100, 20, 2), 2.0);  // Q0 exactly on the bound
}

TEST(SolvePiNetwork, StandardPathMatchesTheRoundedTwoPiToTheBit) {
    const PiNetworkResult result = SolvePiNetwork({100, 20, 4, 1e6, 45 * 1e-12});
    ExpectSameBits(result, {4.0, 3.0, 1.0, 0x1.481c80a38e308p-28, 0x1.116d15dda1287p-27,
                            0x1.ab3a722a4bcf3p-18});
    // With the full-precision 2*pi the capacitors would differ: the rounded
    // constant is part of the published results.
    EXPECT_NE(result.c1Farads, 1.0 / (((100.0 / 3.0) * 1e6) * (2.0 * M_PI)));
}

TEST(SolvePiNetwork, MinimumC1PathPinsC1AndRecomputesQ0) {
    // 5000 ohm plate, 50 ohm antenna, Q0 12 at 30 MHz needs about 12 pF,
    // below both capacitor minima.
    ExpectSameBits(SolvePiNetwork({5000, 50, 12, 30e6, 45 * 1e-12}),
                   {0x1.744637177b18ap+5, 0x1.534ac0907e67ep+5, 0x1.07dbb437e585fp+2, 45 * 1e-12,
                    0x1.e0f8b55d8552ep-32, 0x1.703767dbec900p-21});
    ExpectSameBits(SolvePiNetwork({5000, 50, 12, 30e6, 35 * 1e-12}),
                   {0x1.210dd6371f929p+5, 0x1.07e4cea945df1p+5, 0x1.929078dd9b381p+1, 35 * 1e-12,
                    0x1.6ee7c4f0c511dp-32, 0x1.d871ba4f12418p-21});
}

TEST(SolvePiNetwork, MinimumC1PathKeepsTheNetworkConsistent) {
    // f * TWO_PI * Cmin = 0.03: C1's reactance is 100/3 ohms, so Q1 = 3, and
    // the antenna side follows with Xc2 = 20 ohms, Q2 = 1 and XL = 40 ohms.
    const double cMin = 45 * 1e-12;
    const double f = 0.03 / (TWO_PI * cMin);
    const PiNetworkResult result = SolvePiNetwork({100, 20, 3, f, cMin});
    EXPECT_EQ(result.c1Farads, cMin);
    EXPECT_NEAR(result.inputQ, 3.0, 1e-14);
    EXPECT_NEAR(result.outputQ, 1.0, 1e-14);
    EXPECT_NEAR(result.loadedQ, 4.0, 1e-14);  // not the 3 asked for
    EXPECT_NEAR(1.0 / ((result.c2Farads * f) * TWO_PI), 20.0, 1e-12);
    EXPECT_NEAR(result.lHenries * (f * TWO_PI), 40.0, 1e-12);
    ExpectSameBits(result, {0x1.ffffffffffffep+1, 0x1.7ffffffffffffp+1, 0x1.ffffffffffffep-1, cMin,
                            0x1.49da7e361ce4bp-34, 0x1.01b2b29a4692bp-24});
}

TEST(SolvePiNetwork, MinimumEqualToC1KeepsTheStandardPathAndTheNextDoubleLeavesIt) {
    const double c1 = 0x1.481c80a38e308p-28;  // C1 of 100/20/4 at 1 MHz
    const PiNetworkResult equal = SolvePiNetwork({100, 20, 4, 1e6, c1});
    EXPECT_EQ(equal.loadedQ, 4.0);
    EXPECT_EQ(equal.outputQ, 1.0);

    const double above = std::nextafter(c1, kInf);
    const PiNetworkResult pinned = SolvePiNetwork({100, 20, 4, 1e6, above});
    EXPECT_EQ(pinned.c1Farads, above);
    EXPECT_NE(pinned.outputQ, 1.0);
}

TEST(TakesMinimumC1Path, NamesThePathTheSolverTakes) {
    const double c1 = 0x1.481c80a38e308p-28;  // C1 of 100/20/4 at 1 MHz
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        PiNetworkInputs inputs;
        bool minimumC1;
    };
    const Case cases[] = {
        {{5000, 50, 12, 30e6, 45 * 1e-12}, true},    // about 12 pF needed
        {{5000, 50, 12, 30e6, 35 * 1e-12}, true},    // vacuum: still above 12 pF
        {{5000, 50, 12, 3.5e6, 45 * 1e-12}, false},  // about 104 pF needed
        {{100, 20, 4, 1e6, c1}, false},              // equal keeps the standard path
        {{100, 20, 4, 1e6, std::nextafter(c1, kInf)}, true},
        {{50, 50, 12, 1e6, 45e-12}, false},  // NaN C1 never takes it
        {{5000, 50, 12, 3.5e6, nan}, false},
        {{100, 20, 4, 1e6, 0.0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.inputs.plateOhms << '/' << c.inputs.antennaOhms << ' '
                     << c.inputs.frequencyHz << " Hz, min " << c.inputs.minC1Farads);
        EXPECT_EQ(TakesMinimumC1Path(c.inputs), c.minimumC1);
        // On that path, and only there, C1 is the minimum bit for bit and Q0
        // is no longer the one asked for.
        const PiNetworkResult result = SolvePiNetwork(c.inputs);
        if (c.minimumC1) {
            EXPECT_EQ(result.c1Farads, c.inputs.minC1Farads);
            EXPECT_NE(result.loadedQ, c.inputs.loadedQ);
        } else {
            EXPECT_EQ(result.loadedQ, c.inputs.loadedQ);
        }
    }
}

TEST(SolvePiNetwork, NonFiniteCasesFlowThrough) {
    // Q0 on the bound: no antenna-side Q, and 1 / inf makes C2 zero.
    const PiNetworkResult onBound = SolvePiNetwork({100, 20, 2, 1e6, 1e-15});
    EXPECT_EQ(onBound.outputQ, 0.0);
    EXPECT_EQ(onBound.c2Farads, 0.0);

    // No frequency: infinite components, finite Q values.
    const PiNetworkResult noFrequency = SolvePiNetwork({100, 20, 4, 0, 45e-12});
    EXPECT_EQ(noFrequency.c1Farads, kInf);
    EXPECT_EQ(noFrequency.c2Farads, kInf);
    EXPECT_EQ(noFrequency.lHenries, kInf);
    EXPECT_EQ(noFrequency.inputQ, 3.0);
    EXPECT_EQ(noFrequency.outputQ, 1.0);

    // Equal impedances: N is exactly 0 and D is 0, so Q1 is NaN; only the
    // input's Q0 survives.
    const PiNetworkResult equal = SolvePiNetwork({50, 50, 12, 1e6, 45e-12});
    EXPECT_EQ(equal.loadedQ, 12.0);
    EXPECT_TRUE(std::isnan(equal.inputQ));
    EXPECT_TRUE(std::isnan(equal.outputQ));
    EXPECT_TRUE(std::isnan(equal.c1Farads));
    EXPECT_TRUE(std::isnan(equal.c2Farads));
    EXPECT_TRUE(std::isnan(equal.lHenries));

    // No antenna impedance: the square root of a negative number.
    const PiNetworkResult noAntenna = SolvePiNetwork({100, 0, 12, 1e6, 45e-12});
    EXPECT_EQ(noAntenna.loadedQ, 12.0);
    EXPECT_TRUE(std::isnan(noAntenna.inputQ));
    EXPECT_TRUE(std::isnan(noAntenna.lHenries));
}

}  // namespace
}  // namespace tavilo::calc
