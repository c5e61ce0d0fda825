// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Conversions between field texts and numbers, the same in every locale.
#pragma once

#include <string>
#include <string_view>

namespace tavilo::platform {

// Reads the longest leading decimal number of the text, as the C library's
// atof does in the "C" locale: leading white space is skipped, then an
// optional sign, digits with an optional point, and an optional exponent.
// The words for infinity and NaN are read too, so that every text that
// FormatField writes reads back. Hexadecimal is not: "0x10" reads as 0.
// Text without a number reads as 0; nothing is ever rejected ("5k" is 5).
double ParseField(std::string_view text);

// How much of the text ParseField takes as its number (0 when none). Lets a
// caller tell the user that "5k" was read as 5.
std::size_t ParsedLength(std::string_view text);

// The "%f" text of the value: fixed notation, six decimals, a minus sign for
// negative values (and negative zero), no grouping, always a '.' as decimal
// point. The text is whole however long: 1e308 gives 309 digits before the
// point. Infinities and NaN read "inf", "-inf", "nan" or "-nan".
std::string FormatField(double value);

}  // namespace tavilo::platform
