// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Wheeler's coil formula and its inverse, exact values and IEEE edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "calc/coil.h"

namespace tavilo::calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CoilCase {
    const char* name;
    double got;
    double expected;
    friend void PrintTo(const CoilCase& c, std::ostream* os) { *os << c.name; }
};

class CoilFormula : public ::testing::TestWithParam<CoilCase> {};

TEST_P(CoilFormula, GivesTheExactDouble) {
    const CoilCase& c = GetParam();
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(std::isnan(c.got)) << c.got;
    } else {
        EXPECT_EQ(c.got, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wheeler, CoilFormula,
    ::testing::Values(
        CoilCase{"inductance_14_turns", CoilInductance(14, 2, 0.5), 14.0},
        CoilCase{"turns_for_14_uH", CoilTurns(14, 2, 0.5), 14.0},
        CoilCase{"spacing_14_turns", CoilSpacing(0.5, 14), 0x1.2492492492492p-5},
        CoilCase{"inductance_10_turns", CoilInductance(10, 1, 1), 0x1.b9611a7b9611ap+0},
        CoilCase{"turns_back_from_100_over_58", CoilTurns(0x1.b9611a7b9611ap+0, 1, 1), 10.0},
        CoilCase{"spacing_10_turns", CoilSpacing(1, 10), 0.1},
        CoilCase{"turns_no_diameter", CoilTurns(5, 0, 1), kInf},
        CoilCase{"turns_no_diameter_no_length", CoilTurns(5, 0, 0), kNaN},
        CoilCase{"turns_no_inductance", CoilTurns(0, 2, 1), 0.0},
        CoilCase{"turns_negative_inductance", CoilTurns(-5, 2, 1), kNaN},
        CoilCase{"turns_negative_diameter", CoilTurns(14, -2, 1.4), -0x1.0bbb307acafdbp+3},
        CoilCase{"inductance_no_turns", CoilInductance(0, 2, 1), 0.0},
        CoilCase{"inductance_no_size", CoilInductance(10, 0, 0), kNaN},
        CoilCase{"inductance_no_diameter", CoilInductance(10, 0, 1), 0.0},
        CoilCase{"spacing_no_turns", CoilSpacing(1, 0), kInf},
        CoilCase{"spacing_nothing", CoilSpacing(0, 0), kNaN},
        CoilCase{"spacing_negative_length", CoilSpacing(-1, 0), -kInf},
        CoilCase{"spacing_infinite_turns", CoilSpacing(1, kInf), 0.0}),
    [](const ::testing::TestParamInfo<CoilCase>& test) { return test.param.name; });

}  // namespace
}  // namespace tavilo::calc
