// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Field text conversions built on std::from_chars and std::to_chars, which
// never consult the process locale. A desktop session in a comma-decimal
// locale must still read "3.5" as 3.5 and write "4.000000".
#include "platform/field_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tavilo::platform {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNanCharacter(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Lower(text[i]) != word[i]) return false;
    }
    return true;
}

// Length of the unsigned number at the start of text (after any sign), by the
// C library's grammar for decimal numbers, infinity and NaN; 0 if none.
std::size_t UnsignedNumberLength(std::string_view text) {
    if (StartsWithWord(text, "infinity")) return 8;
    if (StartsWithWord(text, "inf")) return 3;
    if (StartsWithWord(text, "nan")) {
        // "nan(chars)" takes the parenthesised part only when it is closed and
        // holds nothing but letters, digits and underscores.
        std::size_t i = 3;
        if (i < text.size() && text[i] == '(') {
            std::size_t j = i + 1;
            while (j < text.size() && IsNanCharacter(text[j])) ++j;
            if (j < text.size() && text[j] == ')') return j + 1;
        }
        return i;
    }

    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;

    // An exponent counts only when at least one digit follows "e" and its sign.
    if (i < text.size() && Lower(text[i]) == 'e') {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

struct Scan {
    std::size_t start = 0;   // first character of the number, sign included
    std::size_t length = 0;  // 0 when the text holds no number
};

Scan ScanNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    std::size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t body = UnsignedNumberLength(text.substr(j));
    if (body == 0) return {};
    return {i, j - i + body};
}

// Whether a decimal number whose conversion is out of range overflowed rather
// than underflowed. Out of range means far above 1 or far below it, so the
// decimal exponent of its leading non-zero digit decides.
bool Overflows(std::string_view number) {
    std::size_t i = 0;
    long long integerDigits = 0;
    long long fractionDigits = 0;
    long long leadInteger = 0;   // 1-based place of the first non-zero digit before the point
    long long leadFraction = 0;  // 1-based place of the first non-zero digit after it
    bool afterPoint = false;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            ++integerDigits;
            if (leadInteger == 0 && c != '0') leadInteger = integerDigits;
        } else {
            ++fractionDigits;
            if (leadInteger == 0 && leadFraction == 0 && c != '0') leadFraction = fractionDigits;
        }
    }
    long long leading = 0;  // the value lies in [10^leading, 10^(leading + 1))
    if (leadInteger > 0) {
        leading = integerDigits - leadInteger;
    } else if (leadFraction > 0) {
        leading = -leadFraction;
    } else {
        return false;
    }

    long long exponent = 0;
    if (i < number.size() && Lower(number[i]) == 'e') {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negative = number[i] == '-';
            ++i;
        }
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return leading + exponent >= 0;
}

}  // namespace

std::size_t ParsedLength(std::string_view text) {
    const Scan scan = ScanNumber(text);
    return scan.length == 0 ? 0 : scan.start + scan.length;
}

double ParseField(std::string_view text) {
    const Scan scan = ScanNumber(text);
    if (scan.length == 0) return 0.0;

    std::string_view number = text.substr(scan.start, scan.length);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = Overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        // The scan and from_chars agree on the grammar; stay safe regardless.
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string FormatField(double value) {
    // The longest "%f" text of a double is "-" + 309 digits + "." + 6 digits.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, 6);
    if (error != std::errc{}) return std::string{};  // cannot happen with this buffer
    return std::string(buffer.data(), end);
}

}  // namespace tavilo::platform
