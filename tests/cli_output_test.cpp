// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The output texts: shortest round-trip numbers, JSON and CSV quoting, and
// the warning for a field text that reads as less than it says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>

#include "cli/field_warning.h"
#include "cli/number_text.h"
#include "cli/output_csv.h"
#include "cli/output_json.h"

namespace tavilo::cli {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct NumberCase {
    double value;
    const char* text;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.text; }
};

class ShortestNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ShortestNumber, IsTheExpectedText) {
    EXPECT_EQ(ShortestText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ShortestNumber,
                         ::testing::Values(NumberCase{35.0, "35"}, NumberCase{0.1, "0.1"},
                                           NumberCase{-0.0, "-0"}, NumberCase{1e300, "1e+300"},
                                           NumberCase{4.9406564584124654e-324, "5e-324"},
                                           NumberCase{0.1 + 0.2, "0.30000000000000004"},
                                           NumberCase{kInf, "inf"}, NumberCase{-kInf, "-inf"},
                                           NumberCase{kNan, "nan"}, NumberCase{-kNan, "nan"}));

// The fewest significant digits with which "%.*g" reads back as the value.
int FewestDigits(double value) {
    for (int digits = 1; digits <= 17; ++digits) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) return digits;
    }
    return 17;
}

// Leading and trailing zeros of the mantissa are not significant: "35000"
// and "0.035" both have two significant digits.
int SignificantDigits(const std::string& text) {
    std::string digits;
    for (const char c : text.substr(0, text.find('e'))) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t last = digits.find_last_not_of('0');
    return first == std::string::npos ? 1 : static_cast<int>(last - first + 1);
}

TEST(ShortestNumber, ReadsBackExactlyWithTheFewestDigits) {
    // Results of the kinds a design gives, and doubles that need all 17 digits.
    for (const double value :
         {36.131756239558236, 32.986722300000004, 333.69847080726214, 0.8799959888640476,
          4774.648374203581, 1.0 / 3.0, 2.0 / 3.0, 100.0 / 58.0, 0.5 / 14.0, 9.9498743710662, 5e-7,
          123456789012345680.0, 2.2250738585072014e-308, 1.7976931348623157e308}) {
        const std::string text = ShortestText(value);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        EXPECT_EQ(SignificantDigits(text), FewestDigits(value)) << text;
    }
}

TEST(JsonText, WritesNonFiniteNumbersAsStrings) {
    std::string out;
    for (const double value : {1.5, kInf, -kInf, kNan}) {
        AppendJsonNumber(out, value);
        out += ' ';
    }
    EXPECT_EQ(out, "1.5 \"inf\" \"-inf\" \"nan\" ");
}

TEST(JsonText, EscapesQuotesBackslashesAndControlCharacters) {
    std::string out;
    AppendJsonString(out, std::string("a\"b\\c\n\x01\x1f\xc3\xa9", 10));
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\u000a\\u0001\\u001f\xc3\xa9\"");
}

TEST(CsvText, QuotesOnlyTheCellsThatNeedIt) {
    std::string out;
    for (const char* cell :
         {"plain", " blanks kept ", "a,b", "say \"hi\"", "two\nlines", "cr\r", ""}) {
        AppendCsvCell(out, cell);
        out += '|';
    }
    EXPECT_EQ(out, "plain| blanks kept |\"a,b\"|\"say \"\"hi\"\"\"|\"two\nlines\"|\"cr\r\"||");
}

struct WarningCase {
    const char* text;
    const char* warning;  // "" for none
    friend void PrintTo(const WarningCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class TrailingCharacters : public ::testing::TestWithParam<WarningCase> {};

TEST_P(TrailingCharacters, AreNamedWithWhatTheTextReadsAs) {
    const auto warning = TrailingCharactersWarning(GetParam().text);
    EXPECT_EQ(warning.value_or(""), GetParam().warning);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrailingCharacters,
    ::testing::Values(
        WarningCase{"5000", ""}, WarningCase{"  5000 \t", ""}, WarningCase{"", ""},
        WarningCase{"   ", ""}, WarningCase{"1e3", ""}, WarningCase{"-inf", ""},
        WarningCase{"5k", "\"5k\" has characters after its number; read as 5"},
        WarningCase{"3.5 MHz", "\"3.5 MHz\" has characters after its number; read as 3.5"},
        WarningCase{"1e", "\"1e\" has characters after its number; read as 1"},
        WarningCase{"5,0", "\"5,0\" has characters after its number; read as 5"},
        WarningCase{"1e999x", "\"1e999x\" has characters after its number; read as inf"},
        WarningCase{"abc", "\"abc\" has no number; read as 0"}));

}  // namespace
}  // namespace tavilo::cli
