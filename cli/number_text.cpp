// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Shortest round-trip number texts, by std::to_chars: locale-free and exact.
#include "cli/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavilo::cli {

void AppendShortest(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    // The shortest text of a double is at most 24 characters
    // ("-2.2250738585072014e-308").
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

std::string ShortestText(double value) {
    std::string text;
    AppendShortest(text, value);
    return text;
}

}  // namespace tavilo::cli
