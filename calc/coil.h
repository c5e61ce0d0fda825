// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Single-layer air-core coil sizing by Wheeler's approximation,
// L = D^2 N^2 / (18 D + 40 Len), with L in uH and D, Len in inches.
#pragma once

namespace tavilo::calc {

// Turns (a real number, never rounded) giving inductanceUh on the coil.
double CoilTurns(double inductanceUh, double diameterIn, double lengthIn);

// Inductance in uH of the given winding.
double CoilInductance(double turns, double diameterIn, double lengthIn);

// Winding length per turn, in inches.
double CoilSpacing(double lengthIn, double turns);

}  // namespace tavilo::calc
