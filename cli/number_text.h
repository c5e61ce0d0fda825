// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Numbers for machines: the shortest decimal text that reads back as the same
// double, and "inf", "-inf" or "nan" for the values that have no such text.
#pragma once

#include <string>

namespace tavilo::cli {

// Appends the shortest round-trip text of a finite value ("35", "0.1",
// "1e+300"), or "inf", "-inf", "nan" (a NaN's sign is not kept).
void AppendShortest(std::string& out, double value);

std::string ShortestText(double value);

}  // namespace tavilo::cli
