// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Fuzzes ParseField and FormatField with any bytes. ParseField must read what
// the C library's strtod reads in the "C" locale (hexadecimal aside), never
// past the end of the text; FormatField must write printf's "%.6f", and its
// text must read back to the value rounded to six decimals.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/field_text.h"

namespace tavilo::fuzz {
namespace {

using platform::FormatField;
using platform::ParsedLength;
using platform::ParseField;

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// What strtod reads from the text, except that a hexadecimal number ("0x1p3")
// reads as its leading 0 only, as ParseField reads it.
ReferenceRead ReferenceParse(std::string_view text) {
    std::string copy(text);  // strtod stops at the first NUL, as ParseField does
    std::size_t i = 0;
    while (i < copy.size() && IsCSpace(copy[i])) ++i;
    if (i < copy.size() && (copy[i] == '+' || copy[i] == '-')) ++i;
    if (i + 1 < copy.size() && copy[i] == '0' && (copy[i + 1] == 'x' || copy[i + 1] == 'X')) {
        copy.resize(i + 1);
    }
    return ReferenceStrtod(copy.c_str());
}

void CheckParse(std::string_view text) {
    const double value = ParseField(text);
    const std::size_t length = ParsedLength(text);
    const ReferenceRead expected = ReferenceParse(text);
    Check(length <= text.size(), "ParsedLength beyond the text", text);
    Check(length == expected.length, "ParsedLength differs from strtod", text);
    Check(SameValue(value, expected.value), "ParseField differs from strtod", text);
}

void CheckFormat(double value) {
    const std::string text = FormatField(value);
    const std::string reference = ReferencePercentF(value);
    Check(text == reference, "FormatField differs from printf %.6f", text + " vs " + reference);
    Check(IsPercentFText(text), "FormatField text is not %f-shaped", text);

    // The whole text reads back, to the value rounded to six decimals.
    Check(ParsedLength(text) == text.size(), "FormatField text does not read back whole", text);
    const double back = ParseField(text);
    if (std::isnan(value)) {
        Check(std::isnan(back) && std::signbit(back) == std::signbit(value),
              "NaN text reads back as another class", text);
    } else if (std::isinf(value)) {
        Check(back == value, "infinity text reads back as another value", text);
    } else {
        Check(SameValue(back, ReferenceStrtod(reference.c_str()).value),
              "FormatField text reads back to another value than its rounding", text);
        // Rounding to six decimals moves a value by at most half a unit of
        // the sixth decimal, plus the rounding of the decimal to a double.
        if (std::fabs(value) < 1e9) {
            Check(std::fabs(back - value) <= 5e-7 + 1.2e-7, "read-back moved too far", text);
        }
    }
}

}  // namespace
}  // namespace tavilo::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tavilo::fuzz::UseCommaDecimalLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exactly sized heap copy, so that AddressSanitizer stops any read
    // past the last byte.
    const std::unique_ptr<char[]> copy(new char[size]);
    if (size != 0) std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);

    tavilo::fuzz::CheckParse(text);
    tavilo::fuzz::CheckFormat(tavilo::platform::ParseField(text));
    if (size >= sizeof(double)) {
        // Any bit pattern: subnormals, the largest values, NaN payloads.
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        tavilo::fuzz::CheckFormat(bits);
    }
    return 0;
}
