// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Wheeler's single-layer coil formula, one rounded operation per line in a
// fixed order so that results agree to the last bit on every machine.
#include "calc/coil.h"

#include <cmath>

namespace tavilo::calc {

namespace {
constexpr double kLengthFactor = 40.0;
constexpr double kDiameterFactor = 18.0;
}  // namespace

double CoilTurns(double inductanceUh, double diameterIn, double lengthIn) {
    const double a = lengthIn * kLengthFactor;
    const double b = diameterIn * kDiameterFactor;
    const double s = a + b;
    const double p = s * inductanceUh;
    const double r = std::sqrt(p);
    return r / diameterIn;
}

double CoilInductance(double turns, double diameterIn, double lengthIn) {
    double n = diameterIn * diameterIn;
    n = n * turns;
    n = n * turns;
    const double a = lengthIn * kLengthFactor;
    const double b = diameterIn * kDiameterFactor;
    const double s = a + b;
    return n / s;
}

double CoilSpacing(double lengthIn, double turns) {
    return lengthIn / turns;
}

}  // namespace tavilo::calc
