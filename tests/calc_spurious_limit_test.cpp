// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The spurious-emission limit and the harmonics held against it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/spurious_limit.h"

namespace tavilo::calc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CommonSpuriousLimitDb, Is43PlusTenLogOfThePower) {
    EXPECT_DOUBLE_EQ(CommonSpuriousLimitDb(1.0), 43.0);
    EXPECT_DOUBLE_EQ(CommonSpuriousLimitDb(100.0), 63.0);
    EXPECT_DOUBLE_EQ(CommonSpuriousLimitDb(1000.0), 73.0);
    EXPECT_NEAR(CommonSpuriousLimitDb(1500.0), 74.76, 0.005);
    EXPECT_TRUE(std::isnan(CommonSpuriousLimitDb(-1.0)));
}

PiNetworkAnalysis WithHarmonics(double second, double third) {
    PiNetworkAnalysis analysis;
    analysis.harmonics[0] = {2, 7e6, second};
    analysis.harmonics[1] = {3, 10.5e6, third};
    analysis.harmonics[2] = {4, 14e6, 99.0};  // never held to the limit
    return analysis;
}

TEST(CheckHarmonicsAgainstLimit, PassesAtOrAboveTheLimitOnly) {
    const auto checks = CheckHarmonicsAgainstLimit(WithHarmonics(33.25, 44.0), 44.0);
    EXPECT_EQ(checks[0].harmonic, 2);
    EXPECT_FALSE(checks[0].meetsLimit);
    EXPECT_DOUBLE_EQ(checks[0].marginDb, -10.75);
    EXPECT_EQ(checks[1].harmonic, 3);
    EXPECT_TRUE(checks[1].meetsLimit);  // equal to the limit
    EXPECT_EQ(checks[1].marginDb, 0.0);
}

TEST(CheckHarmonicsAgainstLimit, ANaNNeverPasses) {
    const auto unknown = CheckHarmonicsAgainstLimit(WithHarmonics(kNaN, 50.0), 40.0);
    EXPECT_FALSE(unknown[0].meetsLimit);
    EXPECT_TRUE(unknown[1].meetsLimit);
    const auto noLimit = CheckHarmonicsAgainstLimit(WithHarmonics(50.0, 50.0), kNaN);
    EXPECT_FALSE(noLimit[0].meetsLimit);
    EXPECT_FALSE(noLimit[1].meetsLimit);
}

}  // namespace
}  // namespace tavilo::calc
