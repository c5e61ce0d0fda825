// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Nagaoka's coefficient from complete elliptic integrals, and Wheeler's
// formula measured against the current sheet it approximates.
#include "calc/coil_accuracy.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "calc/coil.h"

namespace tavilo::calc {

namespace {

// mu0 in uH per inch: 4 pi 1e-7 H/m (the 2019 SI value differs by 6e-10,
// far below the approximation measured here) times 0.0254 m/in times 1e6.
constexpr double kMu0UhPerInch = 4e-7 * std::numbers::pi * 0.0254 * 1e6;

// (K(k) - E(k)) / k^2, by its power series in k^2 where the difference of the
// two integrals would cancel away the digits (and all of them as k -> 0).
double EllipticDifferenceOverK2(double k, double k2) {
    if (k2 > 0.25) return (std::comp_ellint_1(k) - std::comp_ellint_2(k)) / k2;
    // K - E = (pi/2) sum_{n>=1} c_n^2 * 2n/(2n-1) * k^(2n), c_n = (2n-1)!!/(2n)!!.
    double sum = 0.0;
    double c = 1.0;
    double power = 1.0;  // k^(2n-2)
    for (int n = 1; n < 200; ++n) {
        c *= (2.0 * n - 1.0) / (2.0 * n);
        const double term = c * c * (2.0 * n) / (2.0 * n - 1.0) * power;
        sum += term;
        if (term <= sum * 1e-17) break;
        power *= k2;
    }
    return std::numbers::pi / 2.0 * sum;
}

}  // namespace

double NagaokaCoefficient(double diameterOverLength) {
    const double ratio = diameterOverLength;
    if (std::isnan(ratio) || ratio < 0.0) return std::numeric_limits<double>::quiet_NaN();
    if (std::isinf(ratio)) return 0.0;
    // Modulus k = D / sqrt(D^2 + Len^2), complementary k' = Len / sqrt(D^2 + Len^2),
    // each formed directly so that neither is a difference from 1.
    const double kPrime = 1.0 / std::sqrt(1.0 + ratio * ratio);
    const double k = ratio * kPrime;
    const double k2 = k * k;
    const double kPrime2 = kPrime * kPrime;
    // K = 4 / (3 pi k') * [ (k'^2 / k^2) (K(k) - E(k)) + E(k) - k ]
    const double bracket = kPrime2 * EllipticDifferenceOverK2(k, k2) + std::comp_ellint_2(k) - k;
    return 4.0 / (3.0 * std::numbers::pi) * bracket / kPrime;
}

double CurrentSheetInductanceUh(double turns, double diameterIn, double lengthIn) {
    const double area = std::numbers::pi * diameterIn * diameterIn / 4.0;
    return kMu0UhPerInch * area * turns * turns * NagaokaCoefficient(diameterIn / lengthIn) /
           lengthIn;
}

CoilAccuracy CompareWithCurrentSheet(double turns, double diameterIn, double lengthIn) {
    CoilAccuracy accuracy;
    accuracy.lengthToDiameter = lengthIn / diameterIn;
    accuracy.nagaokaCoefficient = NagaokaCoefficient(diameterIn / lengthIn);
    accuracy.currentSheetUh = CurrentSheetInductanceUh(turns, diameterIn, lengthIn);
    accuracy.wheelerUh = CoilInductance(turns, diameterIn, lengthIn);
    // Both values scale with N^2, so the ratio is taken for one turn: it stays
    // defined for zero or non-finite turns.
    accuracy.wheelerDifferencePercent =
        100.0 * (CoilInductance(1.0, diameterIn, lengthIn) /
                     CurrentSheetInductanceUh(1.0, diameterIn, lengthIn) -
                 1.0);
    accuracy.wheelerReadsLow = lengthIn < kWheelerShortCoilRatio * diameterIn;
    return accuracy;
}

}  // namespace tavilo::calc
