// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What the fuzz targets share: the C library's own reading and "%f" writing in
// the "C" locale as the reference, a check of the "%f" shape, and a failure
// that libFuzzer records as a crash with its input.
#pragma once

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace tavilo::fuzz {

// Prints what went wrong and aborts, which libFuzzer reports as a crash and
// saves the input for replay.
[[noreturn]] inline void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "\nFUZZ PROPERTY FAILED: %s\n  %.*s\n", what,
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
}

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) Fail(what, detail);
}

// The "C" locale, for the reference conversions whatever the process locale.
inline locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// Puts the process in a comma-decimal locale when the machine has one (CI
// generates de_DE.UTF-8), so that any dependence of the field texts on the
// locale shows up as a difference from the reference.
inline void UseCommaDecimalLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::fprintf(stderr, "fuzz: de_DE.UTF-8 missing, fuzzing in the \"C\" locale\n");
    }
}

// printf's "%.6f" of the value in the "C" locale.
inline std::string ReferencePercentF(double value) {
    const locale_t previous = uselocale(CLocale());
    char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, "%.6f", value);
    uselocale(previous);
    Check(length > 0 && static_cast<std::size_t>(length) < sizeof buffer, "snprintf failed");
    return std::string(buffer, static_cast<std::size_t>(length));
}

// strtod of the text in the "C" locale: the value and how many characters it
// took. The text must be NUL-terminated.
struct ReferenceRead {
    double value;
    std::size_t length;
};

inline ReferenceRead ReferenceStrtod(const char* text) {
    char* end = nullptr;
    const double value = strtod_l(text, &end, CLocale());
    return {value, static_cast<std::size_t>(end - text)};
}

// Bit for bit, or both NaN with the same sign.
inline bool SameValue(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return a == b && std::signbit(a) == std::signbit(b);
}

// Whether the text has the shape of a "%f" text: "inf", "nan" (each perhaps
// negative) or an optional minus, the integer digits without a needless
// leading zero, a point and exactly six decimals.
inline bool IsPercentFText(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text == "inf" || text == "nan") return true;
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 309) return false;
    if (text.size() != point + 7) return false;
    if (text[0] == '0' && point != 1) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

}  // namespace tavilo::fuzz
