// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Field texts: the C library's decimal-prefix read and the "%f" text, in any
// locale and at any length.
#include "platform/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

#include "locale_guard.h"

namespace tavilo::platform {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char* text;
    double expected;
    std::size_t length;  // how much of the text is the number
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ParseFieldCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFieldCases, ReadsTheLeadingDecimalNumber) {
    const ParseCase& c = GetParam();
    const double value = ParseField(c.text);
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(std::isnan(value)) << value;
    } else {
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected));
    }
    EXPECT_EQ(ParsedLength(c.text), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    CLibraryPrefix, ParseFieldCases,
    ::testing::Values(
        ParseCase{"", 0.0, 0}, ParseCase{"abc", 0.0, 0}, ParseCase{"3.5", 3.5, 3},
        ParseCase{"  \t3.5", 3.5, 6}, ParseCase{"5k", 5.0, 1}, ParseCase{"5000 ohms", 5000.0, 4},
        ParseCase{"+12", 12.0, 3}, ParseCase{"-0.25", -0.25, 5}, ParseCase{"-0", -0.0, 2},
        ParseCase{".5", 0.5, 2}, ParseCase{"5.", 5.0, 2}, ParseCase{".", 0.0, 0},
        ParseCase{"-", 0.0, 0}, ParseCase{"+-5", 0.0, 0}, ParseCase{"1e3", 1000.0, 3},
        ParseCase{"1E-2x", 0.01, 4}, ParseCase{"1e", 1.0, 1}, ParseCase{"1e+", 1.0, 1},
        ParseCase{"3,5", 3.0, 1}, ParseCase{"0x10", 0.0, 1}, ParseCase{"1e999", kInf, 5},
        ParseCase{"-1e999", -kInf, 6}, ParseCase{"1e-999", 0.0, 6}, ParseCase{"-1e-999", -0.0, 7},
        ParseCase{"0.0000000001e-320", 0.0, 17}, ParseCase{"12345678901234567890e300", kInf, 24},
        ParseCase{"4.9406564584124654e-324", 0x1p-1074, 23}, ParseCase{"inf", kInf, 3},
        ParseCase{"-INFINITY", -kInf, 9}, ParseCase{"infinite", kInf, 3},
        ParseCase{"nan", std::nan(""), 3}, ParseCase{"-nan(123)", std::nan(""), 9},
        ParseCase{"nan(12", std::nan(""), 3}));

TEST(ParseField, NeverReadsPastTheText) {
    // A view into a longer buffer: the digits after its end must not count.
    const std::string buffer = "12345";
    EXPECT_EQ(ParseField(std::string_view(buffer.data(), 2)), 12.0);
    EXPECT_EQ(ParseField(std::string_view(buffer.data(), 0)), 0.0);
}

TEST(FormatField, WritesThePercentFText) {
    EXPECT_EQ(FormatField(4.0), "4.000000");
    EXPECT_EQ(FormatField(-0.25), "-0.250000");
    EXPECT_EQ(FormatField(-0.0), "-0.000000");
    EXPECT_EQ(FormatField(2.0000005), "2.000001");
    EXPECT_EQ(FormatField(0.1234565), "0.123456");  // the double lies just below the half
    EXPECT_EQ(FormatField(1234567.0), "1234567.000000");
    EXPECT_EQ(FormatField(kInf), "inf");
    EXPECT_EQ(FormatField(-kInf), "-inf");
    const std::string nan = FormatField(std::nan(""));
    EXPECT_TRUE(nan == "nan" || nan == "-nan") << nan;
}

TEST(FormatField, KeepsTheWholeTextOfTheLargestValues) {
    const std::string text = FormatField(1e308);
    EXPECT_EQ(text.size(), 309u + 1u + 6u);
    EXPECT_EQ(text.substr(0, 10), "1000000000");
    EXPECT_EQ(text.substr(309), ".000000");

    const double largest = std::numeric_limits<double>::max();
    char reference[400];
    std::snprintf(reference, sizeof reference, "%f", -largest);
    EXPECT_EQ(FormatField(-largest), reference);
}

TEST(FieldText, ReadsBackWhatItWrites) {
    for (const double value : {0.0, 1.0, -3.25, 46.534284766, 1e-7, 123456.7890123, 1e300}) {
        const std::string text = FormatField(value);
        char reference[400];
        std::snprintf(reference, sizeof reference, "%f", value);
        EXPECT_EQ(ParseField(text), std::strtod(reference, nullptr)) << text;
    }
    EXPECT_EQ(ParseField(FormatField(-kInf)), -kInf);
    EXPECT_TRUE(std::isnan(ParseField(FormatField(std::nan("")))));
}

TEST(FieldText, IgnoresACommaDecimalLocale) {
    testing::CommaDecimalLocale locale;
    if (!locale.active()) GTEST_SKIP() << "locale " << testing::kCommaDecimalLocale << " missing";
    // The C library itself now writes a comma: the field texts must not.
    char localised[32];
    std::snprintf(localised, sizeof localised, "%f", 3.5);
    ASSERT_STREQ(localised, "3,500000");

    EXPECT_EQ(ParseField("3.5"), 3.5);
    EXPECT_EQ(ParseField("3,5"), 3.0);
    EXPECT_EQ(FormatField(4.0), "4.000000");
    EXPECT_EQ(FormatField(-1234.5), "-1234.500000");
}

}  // namespace
}  // namespace tavilo::platform
