// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Numbers for people, in the text output of figures the window does not show:
// rounded to what a reader can use, in any locale, "inf" and "nan" as the
// machine formats write them.
#pragma once

#include <string>

namespace tavilo::cli {

// Fixed notation with the given number of decimals: "33.26".
std::string Decimals(double value, int decimals);

// Fixed notation with the given number of significant digits, never fewer
// than none after the point: "2236", "5.134", "0.4472".
std::string Significant(double value, int digits);

// Scientific notation with the given number of decimals: "3.9e-07".
std::string Scientific(double value, int decimals);

// A frequency in Hz, kHz or MHz, whichever gives 1 to 999 units, to six
// significant digits without trailing zeros: "7 MHz", "304.091 kHz".
std::string FrequencyText(double hertz);

}  // namespace tavilo::cli
