// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The rounded 2·pi that every angular frequency of the designs is formed with.
#pragma once

namespace tavilo::calc {

// The designs are defined with this rounded value, not 2·pi to full precision;
// changing it would change every published result in its last digits.
inline constexpr double TWO_PI = 6.2831852;

}  // namespace tavilo::calc
