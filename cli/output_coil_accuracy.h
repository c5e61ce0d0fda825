// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil formula's accuracy in each output format: the length-to-diameter
// ratio, the current-sheet inductance with Nagaoka's coefficient, the
// formula's difference from it, and the warning for a short coil.
#pragma once

#include <string>

#include "calc/coil_accuracy.h"

namespace tavilo::cli {

void AppendCoilAccuracyText(std::string& out, const calc::CoilAccuracy& accuracy);

// Appends ,"accuracy":{...}.
void AppendCoilAccuracyJson(std::string& out, const calc::CoilAccuracy& accuracy);

// Append ",name,..." and ",cell,..." (empty cells for no accuracy).
void AppendCoilAccuracyCsvHeader(std::string& out);
void AppendCoilAccuracyCsvCells(std::string& out, const calc::CoilAccuracy* accuracy);

}  // namespace tavilo::cli
