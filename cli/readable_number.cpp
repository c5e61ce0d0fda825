// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Readable numbers, by std::to_chars: locale-free.
#include "cli/readable_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "cli/number_text.h"

namespace tavilo::cli {

namespace {

std::string Chars(double value, std::chars_format format, int precision) {
    if (!std::isfinite(value)) return ShortestText(value);
    // A fixed text of a double needs at most 309 digits before the point.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// "304.0910" -> "304.091", "7.000000" -> "7".
std::string WithoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::string Decimals(double value, int decimals) {
    return Chars(value, std::chars_format::fixed, decimals);
}

std::string Significant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return Decimals(value, 0);
    // The magnitude after rounding to the digits kept: 9999.7 to four digits
    // is 10000, with no decimals.
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, digits - 1 - magnitude);
    if (std::fabs(std::round(value * scale)) >= std::pow(10.0, digits)) ++magnitude;
    return Decimals(value, std::max(0, digits - 1 - magnitude));
}

std::string Scientific(double value, int decimals) {
    return Chars(value, std::chars_format::scientific, decimals);
}

std::string FrequencyText(double hertz) {
    if (!std::isfinite(hertz)) return ShortestText(hertz) + " Hz";
    const double size = std::fabs(hertz);
    if (size >= 1e6) return WithoutTrailingZeros(Significant(hertz / 1e6, 6)) + " MHz";
    if (size >= 1e3) return WithoutTrailingZeros(Significant(hertz / 1e3, 6)) + " kHz";
    return WithoutTrailingZeros(Significant(hertz, 6)) + " Hz";
}

}  // namespace tavilo::cli
