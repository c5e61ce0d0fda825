// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// How far Wheeler's coil formula is from the current-sheet inductance of the
// same winding, computed with Nagaoka's coefficient.
#pragma once

namespace tavilo::calc {

// Below this length-to-diameter ratio Wheeler's formula reads low by more than
// 0.5 % against the current sheet.
inline constexpr double kWheelerShortCoilRatio = 0.4;

struct CoilAccuracy {
    double lengthToDiameter = 0.0;    // Len / D
    double nagaokaCoefficient = 0.0;  // Nagaoka's K for D / Len
    double currentSheetUh = 0.0;      // the winding as a uniform current sheet
    double wheelerUh = 0.0;           // CoilInductance of the same winding
    // 100 (Wheeler - current sheet) / current sheet; negative when Wheeler
    // reads low. A property of the coil's shape: it does not depend on the turns.
    double wheelerDifferencePercent = 0.0;
    // Len < 0.4 D: the short coils for which Wheeler reads low by more than 0.5 %.
    bool wheelerReadsLow = false;
};

// Nagaoka's coefficient K for a solenoid of diameter D and length Len, from
// D / Len: 1 for an infinitely long coil, falling towards 0 as the coil gets
// shorter. NaN for a negative or NaN ratio; 0 for an infinite one.
double NagaokaCoefficient(double diameterOverLength);

// Inductance in uH of N turns spread as a uniform current sheet over a
// cylinder of diameter D and length Len, in inches:
// mu0 * pi * (D/2)^2 * N^2 * K / Len.
double CurrentSheetInductanceUh(double turns, double diameterIn, double lengthIn);

// The comparison for a winding of N turns on a coil of diameter D and length
// Len (inches). Validates nothing: a zero or negative size gives NaN or
// infinite numbers, as Wheeler's formula itself does.
CoilAccuracy CompareWithCurrentSheet(double turns, double diameterIn, double lengthIn);

}  // namespace tavilo::calc
