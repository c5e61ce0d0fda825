// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli turns and inductance: the coil formula against the current
// sheet in every format, for the winding the command worked with, and the
// warning for a short coil.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_json.h"
#include "cli_process.h"

namespace tavilo::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

nlohmann::json Accuracy(const std::vector<std::string>& args) {
    std::vector<std::string> json = args;
    json.insert(json.end(), {"--format", "json"});
    const auto lines = JsonLines(RunTaviloCli(json).out);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? nlohmann::json::object() : lines[0];
}

// 14 uH on a 2 in form 0.5 in long: 14 turns exactly. The coil is a quarter of
// its diameter long, where Nagaoka's published coefficient for D/l = 4 is
// 0.3654, so the current sheet gives 14.36 uH and the formula reads low.
TEST(CliCoilAccuracy, TurnsPrintsTheNagaokaComparisonAndTheShortCoilWarning) {
    const std::vector<std::string> args{"turns", "--inductance", "14", "--diameter",
                                        "2",     "--length",     "0.5"};
    const ProcessResult text = RunTaviloCli(args);
    EXPECT_EQ(text.status, 0);
    EXPECT_THAT(text.out, HasSubstr("  Turns       14.000000\n"
                                    "  Spacing      0.035714 in/turn\n"));
    EXPECT_THAT(text.out, HasSubstr("\nThe formula against the current sheet (Nagaoka's "
                                    "coefficient)\n"
                                    "  Length / diameter      0.2500\n"
                                    "  Nagaoka's coefficient  0.3654\n"
                                    "  Current-sheet L        14.3643 uH\n"
                                    "  Formula's difference   -2.54 % (formula - current "
                                    "sheet)\n"
                                    "  Warning: the coil is shorter than 0.4 x its diameter."));

    const nlohmann::json json = Accuracy(args);
    EXPECT_EQ(json["turns"], 14.0);  // the window's result, unchanged
    EXPECT_EQ(json["text"]["turns"], "14.000000");
    const nlohmann::json& accuracy = json["accuracy"];
    EXPECT_EQ(accuracy["length_to_diameter"], 0.25);
    EXPECT_NEAR(accuracy["nagaoka_k"].get<double>(), 0.3654, 5e-5);
    EXPECT_EQ(accuracy["wheeler_uh"], 14.0);
    const double sheet = accuracy["current_sheet_uh"].get<double>();
    EXPECT_NEAR(sheet, 14.36, 0.005);
    EXPECT_NEAR(accuracy["wheeler_difference_percent"].get<double>(), 100.0 * (14.0 / sheet - 1.0),
                1e-9);
    EXPECT_EQ(accuracy["short_coil_warning"], true);

    std::vector<std::string> csvArgs = args;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    EXPECT_THAT(RunTaviloCli(csvArgs).out,
                HasSubstr("\n14,2,0.5,designed,14.000000,0.035714,0.25,"));
}

// turns compares the winding of the turns it computed, not of the L asked:
// the same turns given to inductance give the same current sheet.
TEST(CliCoilAccuracy, TurnsComparesTheWindingOfTheTurnsItComputed) {
    const nlohmann::json turns =
        Accuracy({"turns", "--inductance", "10", "--diameter", "1.5", "--length", "2"});
    const std::string computed = turns["turns"].dump();  // reads back as the same double
    const nlohmann::json inductance =
        Accuracy({"inductance", "--turns", computed, "--diameter", "1.5", "--length", "2"});
    EXPECT_EQ(turns["accuracy"], inductance["accuracy"]);
    EXPECT_NEAR(turns["accuracy"]["wheeler_uh"].get<double>(), 10.0, 1e-12);
}

struct ShapeCase {
    const char* length;  // on a 1 in diameter, 20 turns
    bool warns;
};

class CoilShape : public ::testing::TestWithParam<ShapeCase> {};

// Under 0.4 D the warning comes, and what it says holds: the formula reads
// more than 0.5 % low there. (At 0.4 D itself it is still 0.54 % low, and long
// coils of 2 to 8 D read up to 0.6 % low without a warning; the difference
// line shows it.)
TEST_P(CoilShape, WarnsExactlyWhenTheLengthIsUnderFourTenthsOfTheDiameter) {
    const std::vector<std::string> args{"inductance", "--turns",        "20", "--diameter", "1",
                                        "--length",   GetParam().length};
    const nlohmann::json accuracy = Accuracy(args)["accuracy"];
    EXPECT_EQ(accuracy["short_coil_warning"], GetParam().warns);
    if (GetParam().warns) {
        EXPECT_LT(accuracy["wheeler_difference_percent"].get<double>(), -0.5);
    }
    const std::string text = RunTaviloCli(args).out;
    if (GetParam().warns) {
        EXPECT_THAT(text, HasSubstr("  Warning: "));
    } else {
        EXPECT_THAT(text, Not(HasSubstr("Warning")));
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, CoilShape,
                         ::testing::Values(ShapeCase{"0.1", true}, ShapeCase{"0.39", true},
                                           ShapeCase{"0.4", false}, ShapeCase{"0.5", false},
                                           ShapeCase{"1", false}, ShapeCase{"10", false}));

TEST(CliCoilAccuracy, AWindingWithoutSizeGivesNonFiniteNumbersAndNoWarning) {
    const nlohmann::json json =
        Accuracy({"inductance", "--turns", "10", "--diameter", "0", "--length", "1"});
    EXPECT_EQ(json["status"], "designed");
    EXPECT_EQ(json["accuracy"]["length_to_diameter"], "inf");
    EXPECT_EQ(json["accuracy"]["short_coil_warning"], false);
}

}  // namespace
}  // namespace tavilo::testing
