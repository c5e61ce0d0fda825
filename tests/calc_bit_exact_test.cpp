// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Realistic designs and coils, to the bit. The expected doubles were worked
// out by tests/bit_exact_reference.py in plain IEEE double arithmetic, one
// rounded operation at a time in the defined order. A build that fuses
// multiply-adds (GCC does on aarch64 unless told -ffp-contract=off), keeps
// wider intermediates or regroups the arithmetic changes some of them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

#include "calc/coil.h"
#include "calc/pi_network.h"

namespace tavilo::calc {
namespace {

constexpr double kAir = 45.0;     // pF
constexpr double kVacuum = 35.0;  // pF

std::string Hex(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

// Same bits, shown in hexadecimal when they differ.
::testing::AssertionResult SameBits(const char* actualText, const char*, double actual,
                                    double expected) {
    if (actual == expected && std::signbit(actual) == std::signbit(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << actualText << " is " << Hex(actual) << ", expected " << Hex(expected);
}

// What a user types into the main window.
struct Typed {
    double plateOhms;
    double antennaOhms;
    double loadedQ;
    double frequencyMHz;
    double capMinPf;
};

struct Design {
    Typed typed;
    PiNetworkResult expected;
    friend void PrintTo(const Design& d, std::ostream* os) {
        const Typed& t = d.typed;
        *os << t.plateOhms << "/" << t.antennaOhms << " ohms, Q0 " << t.loadedQ << ", "
            << t.frequencyMHz << " MHz, " << t.capMinPf << " pF";
    }
};

class BitExactDesign : public ::testing::TestWithParam<Design> {};

TEST_P(BitExactDesign, MatchesTheIeeeReference) {
    const Design& d = GetParam();
    const Typed& t = d.typed;
    // The units are converted as the Calculate command converts them.
    const PiNetworkResult r = SolvePiNetwork(
        {t.plateOhms, t.antennaOhms, t.loadedQ, t.frequencyMHz * 1e6, t.capMinPf * 1e-12});
    EXPECT_PRED_FORMAT2(SameBits, r.loadedQ, d.expected.loadedQ);
    EXPECT_PRED_FORMAT2(SameBits, r.inputQ, d.expected.inputQ);
    EXPECT_PRED_FORMAT2(SameBits, r.outputQ, d.expected.outputQ);
    EXPECT_PRED_FORMAT2(SameBits, r.c1Farads, d.expected.c1Farads);
    EXPECT_PRED_FORMAT2(SameBits, r.c2Farads, d.expected.c2Farads);
    EXPECT_PRED_FORMAT2(SameBits, r.lHenries, d.expected.lHenries);
}

// Standard and minimum-C1 designs across the HF bands, with the plate
// impedances a tube's plate voltage and current give (not round numbers).
const Design kDesigns[] = {
    {{2777.8, 50.0, 12.0, 3.65, kAir},
     {0x1.8000000000000p+3, 0x1.5d770073f3c93p+3, 0x1.1447fc6061b68p+0, 0x1.78f8f463c9ce8p-33,
      0x1.02b5091a97ae6p-30, 0x1.958869602e8b3p-17}},
    {{3333.3, 50.0, 12.5, 7.15, kAir},
     {0x1.9000000000000p+3, 0x1.70044c4023f47p+3, 0x1.ffbb3bfdc0b90p-1, 0x1.51c457848f2a7p-34,
      0x1.e93bb9a612243p-32, 0x1.d30f2256871e7p-18}},
    {{1851.9, 75.0, 10.7, 14.25, kVacuum},
     {0x1.5666666666666p+3, 0x1.248fc3bbc07e3p+3, 0x1.8eb515552f418p+0, 0x1.e500e54c9b41dp-35,
      0x1.fe0564ca5a1b4p-33, 0x1.5f2b6a734ef31p-19}},
    {{4166.7, 50.0, 15.0, 21.3, kAir},
     {0x1.ba81269323a0ap+4, 0x1.917fadd578292p+4, 0x1.480bc5ed5bbbep+1, 0x1.8bd2fdda89128p-35,
      0x1.a51c0d582c3adp-32, 0x1.6e7b6bc62739bp-20}},
    {{5263.2, 52.0, 12.0, 28.5, kVacuum},
     {0x1.20e3b5ea3468fp+5, 0x1.07e559047f0dep+5, 0x1.8fe5ce5b55b0ep+1, 0x1.33dcfe54a3803p-35,
      0x1.70e6d6f16c130p-32, 0x1.05974349c1791p-20}},
    {{1234.6, 50.0, 10.0, 1.85, kAir},
     {0x1.4000000000000p+3, 0x1.1282a71f9b4bap+3, 0x1.6beac70325a30p+0, 0x1.48a006b0efebep-31,
      0x1.5029e48febbd6p-29, 0x1.ddcc8a5106faap-17}},
    {{52.0, 300.0, 8.0, 10.12, kAir},
     {0x1.0000000000000p+3, 0x1.1cde7d5d4304cp+1, 0x1.7190c1515e7dap+2, 0x1.7208ac4a063a6p-31,
      0x1.4cd5e0983484bp-32, 0x1.27023f4a02b6dp-20}},
    {{2272.7, 52.0, 12.5, 18.11, kAir},
     {0x1.a300d81b96554p+3, 0x1.7464eaafc5273p+3, 0x1.74df6b5e89708p+0, 0x1.8bd2fdda89128p-35,
      0x1.0ea81f7cb1384p-32, 0x1.0149d48dfab83p-19}},
    {{6451.6, 75.0, 14.2, 3.75, kVacuum},
     {0x1.c666666666666p+3, 0x1.a5e34ee8e0e27p+3, 0x1.0418bbec2c1f8p+0, 0x1.7d711edacc28cp-34,
      0x1.3c13941490a11p-31, 0x1.7525672aa7cfbp-16}},
    {{1562.5, 50.0, 11.0, 50.1, kAir},
     {0x1.9f7faf670696ep+4, 0x1.6222d296d0bc8p+4, 0x1.eae6e681aed34p+1, 0x1.8bd2fdda89128p-35,
      0x1.0bea3d5897363p-32, 0x1.19f238968d4cbp-22}},
    {{2500.0, 50.0, 12.0, 3.6, kAir},
     {0x1.8000000000000p+3, 0x1.5a989605990dep+3, 0x1.2b3b4fd337910p+0, 0x1.a531639ea2802p-33,
      0x1.1c16e5473f63ap-30, 0x1.78251b5ccee00p-17}},
    {{3000.0, 73.0, 9.5, 5.35, kVacuum},
     {0x1.3000000000000p+3, 0x1.12ff8ca14a1e5p+3, 0x1.d00735eb5e1b0p-1, 0x1.76c98be70352bp-34,
      0x1.9615f0fe290b8p-32, 0x1.7c1120e6e8836p-17}},
};

INSTANTIATE_TEST_SUITE_P(Bands, BitExactDesign, ::testing::ValuesIn(kDesigns));

struct Coil {
    double first;  // uH for turns, turns for inductance
    double diameterIn;
    double lengthIn;
    double expected;
    friend void PrintTo(const Coil& c, std::ostream* os) {
        *os << c.first << ", " << c.diameterIn << " in, " << c.lengthIn << " in";
    }
};

class BitExactCoilTurns : public ::testing::TestWithParam<Coil> {};
class BitExactCoilInductance : public ::testing::TestWithParam<Coil> {};

TEST_P(BitExactCoilTurns, MatchesTheIeeeReference) {
    const Coil& c = GetParam();
    EXPECT_PRED_FORMAT2(SameBits, CoilTurns(c.first, c.diameterIn, c.lengthIn), c.expected);
}

TEST_P(BitExactCoilInductance, MatchesTheIeeeReference) {
    const Coil& c = GetParam();
    EXPECT_PRED_FORMAT2(SameBits, CoilInductance(c.first, c.diameterIn, c.lengthIn), c.expected);
}

const Coil kTurns[] = {
    {9.87, 2.5, 3.15, 0x1.06ed883004cd2p+4}, {2.2, 1.25, 1.55, 0x1.5d0b285d70aa6p+3},
    {27.3, 3.1, 4.35, 0x1.98cdb35b35a0bp+4}, {0.95, 0.75, 1.1, 0x1.3b580a175dfeap+3},
    {14.2, 2.25, 2.7, 0x1.468bdf0feb251p+4}, {4.7, 1.0, 0.85, 0x1.f443f9bdad3b0p+3},
};

INSTANTIATE_TEST_SUITE_P(Wheeler, BitExactCoilTurns, ::testing::ValuesIn(kTurns));

const Coil kInductances[] = {
    {17.5, 2.0, 2.85, 0x1.0555555555555p+3}, {8.25, 1.5, 1.15, 0x1.0c8542a150a85p+1},
    {31.0, 2.75, 5.3, 0x1.bcab51be68bfep+4}, {4.6, 0.6, 0.45, 0x1.0ed916872b020p-2},
    {12.0, 1.75, 2.3, 0x1.c9119e932c912p+1}, {22.5, 2.5, 3.35, 0x1.1ad23c1129799p+4},
};

INSTANTIATE_TEST_SUITE_P(Wheeler, BitExactCoilInductance, ::testing::ValuesIn(kInductances));

}  // namespace
}  // namespace tavilo::calc
