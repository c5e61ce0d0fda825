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
#include "cli/readable_number.h"
#include "cli/text_table.h"

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

struct ReadableCase {
    std::string text;
    const char* expected;
    friend void PrintTo(const ReadableCase& c, std::ostream* os) { *os << c.expected; }
};

class ReadableNumber : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableNumber, IsRoundedForAReader) {
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadableNumber,
    ::testing::Values(ReadableCase{Significant(2236.0679, 4), "2236"},
                      ReadableCase{Significant(5.1339406, 4), "5.134"},
                      ReadableCase{Significant(0.44721358, 4), "0.4472"},
                      ReadableCase{Significant(9999.7, 4), "10000"},  // rounds up a digit
                      ReadableCase{Significant(0.99996, 4), "1.000"},
                      ReadableCase{Significant(-0.0958749, 3), "-0.0959"},
                      ReadableCase{Significant(0.0, 4), "0"},
                      ReadableCase{Significant(kNan, 4), "nan"},
                      ReadableCase{Decimals(33.2589350581599, 2), "33.26"},
                      ReadableCase{Decimals(-kInf, 2), "-inf"},
                      ReadableCase{Scientific(3.9267725855325656e-07, 1), "3.9e-07"},
                      ReadableCase{FrequencyText(7e6), "7 MHz"},
                      ReadableCase{FrequencyText(3351211.83266282), "3.35121 MHz"},
                      ReadableCase{FrequencyText(304090.49760446884), "304.09 kHz"},
                      ReadableCase{FrequencyText(999.9996), "1000 Hz"},
                      ReadableCase{FrequencyText(kNan), "nan Hz"}));

TEST(TextTable, AlignsNumbersRightAndLetsARemarkRunOn) {
    TextTable table;
    table.AddRow({"Frequency", "C1 pF", "L uH"});
    table.AddRow({"3.5", "104.007327", "20.702922"});
    table.AddRow({"28.85", "45.000000", "0.741435"});
    table.AddRemarkRow({"50.5", "not designed: Q0 does not exceed its bound"});
    std::string out;
    table.AppendTo(out, 2);
    EXPECT_EQ(out,
              "  Frequency       C1 pF       L uH\n"
              "  3.5        104.007327  20.702922\n"
              "  28.85       45.000000   0.741435\n"
              "  50.5       not designed: Q0 does not exceed its bound\n");

    TextTable phrases;
    phrases.LeftAlign(1);
    phrases.AddRow({"Operating Q", "11.51 (frequency / bandwidth)"});
    phrases.AddRow({"SWR", "1.000000"});
    std::string left;
    phrases.AppendTo(left, 4);
    EXPECT_EQ(left,
              "    Operating Q  11.51 (frequency / bandwidth)\n"
              "    SWR          1.000000\n");
}

}  // namespace
}  // namespace tavilo::cli
