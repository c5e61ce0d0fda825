// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli run in-process: the command line, the Q0 prompt's answers, the
// warnings, the capacitor choice, and the exit statuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/run.h"
#include "cli_process.h"

namespace tavilo::cli {
namespace {

// Names a parameterised test after its case.
template <class Case>
std::string NameOfCase(const ::testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

using tavilo::testing::TempFile;
using ::testing::HasSubstr;
using ::testing::Not;

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

Ran RunWith(std::vector<std::string> args, const std::string& input = "", bool terminal = false) {
    args.insert(args.begin(), "tavilo-cli");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Ran ran;
    ran.status = RunCli(args, Streams{in, out, err, terminal});
    ran.out = out.str();
    ran.err = err.str();
    return ran;
}

const std::vector<std::string> kVacuumExample{"pi", "--plate", "5000", "--antenna", "50",    "--q0",
                                              "12", "--freq",  "30",   "--caps",    "vacuum"};

TEST(CliRun, ShowsOneDesignAsAlignedTextWithUnits) {
    const Ran ran = RunWith(kVacuumExample);
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.err, "");
    EXPECT_EQ(ran.out,
              "Pi network\n"
              "  Plate impedance    5000 ohms\n"
              "  Antenna impedance  50 ohms\n"
              "  Loaded Q (Q0)      12\n"
              "  Frequency          30 MHz\n"
              "  Minimum C1         35 pF (vacuum)\n"
              "\n"
              "  Q0                  36.131756\n"
              "  Q1                  32.986722\n"
              "  Q2                   3.145034\n"
              "  C1                  35.000000 pF\n"
              "  C2                 333.698471 pF\n"
              "  L                    0.879996 uH\n");
}

TEST(CliRun, TellsInTextWhenQ0WasRaisedOrTheDesignNotMade) {
    const std::vector<std::string> lowQ0{"pi",   "--plate", "100",    "--antenna", "20",
                                         "--q0", "1",       "--freq", "1"};
    std::vector<std::string> raised = lowQ0;
    raised.push_back("--raise-q");
    EXPECT_THAT(RunWith(raised).out, HasSubstr("  Q0                    3.000000\n"
                                               "  Q1                    2.403709\n"));
    EXPECT_THAT(RunWith(raised).out,
                HasSubstr("  Q0 is the bound + 1: the Q0 prompt was answered OK (Q0 Must be > "
                          "2.000000.  Continue with new value?)\n"));

    const Ran cancelled = RunWith(lowQ0);
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_THAT(cancelled.out, HasSubstr("  Not designed. Improper input: Q0 Must be > 2.000000.  "
                                         "Continue with new value?\n"));
    EXPECT_THAT(cancelled.out, Not(HasSubstr("  Q1 ")));
}

struct PromptCase {
    const char* name;
    bool raiseQ;
    bool terminal;
    const char* answer;  // what standard input holds
    int status;
    bool asked;
};

class Q0Prompt : public ::testing::TestWithParam<PromptCase> {};

// Plate 100 and antenna 20 bound Q0 at exactly 2; Q0 1 does not exceed it.
TEST_P(Q0Prompt, IsAnsweredByRaiseQOrOnTheTerminalAndCancelledOtherwise) {
    const PromptCase& c = GetParam();
    std::vector<std::string> args{"pi", "--plate", "100", "--antenna", "20",  "--q0",
                                  "1",  "--freq",  "1",   "--format",  "json"};
    if (c.raiseQ) args.push_back("--raise-q");
    const Ran ran = RunWith(args, c.answer, c.terminal);

    EXPECT_EQ(ran.status, c.status);
    const auto json = nlohmann::json::parse(ran.out);
    EXPECT_EQ(json["row"], 1);
    EXPECT_EQ(json["q0_bound"], 2.0);
    EXPECT_EQ(json["message"], "Q0 Must be > 2.000000.  Continue with new value?");
    if (c.status == 0) {
        EXPECT_EQ(json["status"], "designed");
        EXPECT_EQ(json["q0"], 3.0);
        EXPECT_EQ(json["text"]["q0"], "3.000000");
    } else {
        EXPECT_EQ(json["status"], "q0-too-low");
        EXPECT_FALSE(json.contains("q0"));
        EXPECT_FALSE(json.contains("text"));
    }
    const std::string question =
        "Improper input: Q0 Must be > 2.000000.  Continue with new value? [y/N] ";
    EXPECT_EQ(ran.err.find(question) != std::string::npos, c.asked) << ran.err;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Q0Prompt,
    ::testing::Values(PromptCase{"no_terminal_cancels", false, false, "y\n", 1, false},
                      PromptCase{"raise_q_is_ok", true, false, "", 0, false},
                      PromptCase{"terminal_yes", false, true, "y\n", 0, true},
                      PromptCase{"terminal_no", false, true, "n\n", 1, true},
                      PromptCase{"terminal_enter", false, true, "\n", 1, true},
                      PromptCase{"terminal_closed", false, true, "", 1, true},
                      PromptCase{"raise_q_on_terminal_does_not_ask", true, true, "n\n", 0, false}),
    NameOfCase<PromptCase>);

TEST(CliRun, ABatchNeverAsksEvenOnATerminal) {
    const TempFile batch("plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n100,20,1,1,\n");
    const Ran ran = RunWith({"pi", "--batch", batch.path(), "--format", "json"}, "y\ny\n", true);
    EXPECT_EQ(ran.status, 1);
    EXPECT_THAT(ran.out, HasSubstr("\"status\":\"q0-too-low\""));
    EXPECT_THAT(ran.err, Not(HasSubstr("[y/N]")));
}

struct CapsCase {
    std::vector<std::string> caps;  // the --caps arguments, if any
    const char* c1;
    friend void PrintTo(const CapsCase& c, std::ostream* os) {
        for (const std::string& arg : c.caps) *os << arg << ' ';
    }
};

class CapsOption : public ::testing::TestWithParam<CapsCase> {};

// At 30 MHz the design's own C1 is about 12 pF, so the minimum C1 is used.
TEST_P(CapsOption, SetsTheMinimumC1AsTheCapacitorButtonsDo) {
    std::vector<std::string> args{"pi", "--plate", "5000", "--antenna", "50",  "--q0",
                                  "12", "--freq",  "30",   "--format",  "json"};
    args.insert(args.end(), GetParam().caps.begin(), GetParam().caps.end());
    const Ran ran = RunWith(args);
    ASSERT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(nlohmann::json::parse(ran.out)["text"]["c1_pf"], GetParam().c1);
}

INSTANTIATE_TEST_SUITE_P(Choices, CapsOption,
                         ::testing::Values(CapsCase{{}, "45.000000"},
                                           CapsCase{{"--caps", "air"}, "45.000000"},
                                           CapsCase{{"--caps", "VACUUM"}, "35.000000"},
                                           CapsCase{{"--caps", "40"}, "40.000000"},
                                           CapsCase{{"--caps", "27.5"}, "27.500000"}));

TEST(CliRun, WarnsAboutCharactersAfterANumberAndDesignsWithWhatTheWindowReads) {
    const Ran ran = RunWith({"pi", "--plate", "5k", "--antenna", "50", "--q0", "12", "--freq",
                             "3.5 MHz", "--format", "json"});
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.err,
              "tavilo-cli: warning: --plate \"5k\" has characters after its number; read as 5\n"
              "tavilo-cli: warning: --freq \"3.5 MHz\" has characters after its number; read as "
              "3.5\n");
    // A plate of 5 ohms below an antenna of 50 has no bound: NaN.
    EXPECT_EQ(nlohmann::json::parse(ran.out)["q0_bound"], "nan");
}

struct UsageCase {
    std::vector<std::string> args;
    const char* message;
    friend void PrintTo(const UsageCase& c, std::ostream* os) {
        for (const std::string& arg : c.args) *os << arg << ' ';
    }
};

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ExitsWithStatus2AndWritesNothingToStandardOutput) {
    const Ran ran = RunWith(GetParam().args);
    EXPECT_EQ(ran.status, ToInt(ExitStatus::Usage));
    EXPECT_EQ(ran.out, "");
    EXPECT_THAT(ran.err, HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageError,
    ::testing::Values(
        UsageCase{{}, "A subcommand is required"},
        UsageCase{{"design"},
                  "unknown command \"design\"; the commands are pi, analyze, bands, turns and "
                  "inductance"},
        UsageCase{{"pi", "--plate", "1", "--bogus"}, "--bogus"},
        UsageCase{{"pi", "--plate", "1", "--freq", "2"},
                  "missing --antenna, --q0 (or --batch FILE)"},
        UsageCase{{"pi", "--batch", "x.csv", "--q0", "5"}, "--q0 cannot be given with --batch"},
        UsageCase{
            {"pi", "--plate", "1", "--antenna", "2", "--q0", "3", "--freq", "4", "--caps", "40pF"},
            "takes air, vacuum or a number of pF, not \"40pF\""},
        UsageCase{
            {"turns", "--inductance", "1", "--diameter", "2", "--length", "3", "--format", "xml"},
            "takes text, csv or json, not \"xml\""},
        UsageCase{
            {"turns", "--inductance", "1", "--diameter", "2", "--length", "3", "--caps", "air"},
            "--caps"},
        UsageCase{{"inductance", "--turns", "1", "--diameter", "2", "--length", "3", "--raise-q"},
                  "--raise-q"},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--spurious-limit", "auto"},
                  "tavilo-cli analyze: --spurious-limit auto needs --power W: the limit is 43 + "
                  "10 log10(P) dB"},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--spurious-limit", "loud"},
                  "takes auto or a number of dB (0 or more), not \"loud\""},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--spurious-limit", "-3"},
                  "takes auto or a number of dB (0 or more), not \"-3\""},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--power", "0"},
                  "takes a power in watts above 0, not \"0\""},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--power", "1kW"},
                  "takes a power in watts above 0, not \"1kW\""},
        UsageCase{{"analyze", "--batch", "x.csv", "--plot", "tank.svg"},
                  "--plot cannot be given with --batch: a plot shows one design"},
        UsageCase{{"analyze", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--plot", ""},
                  "--plot needs a file name"},
        UsageCase{{"pi", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5",
                   "--power", "100"},
                  "--power"},
        UsageCase{
            {"bands", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freqs", "7.1,,14"},
            "tavilo-cli bands: --freqs: entry 2 is empty; give MHz values separated by "
            "commas, as in 7.1,14.175"},
        UsageCase{{"bands", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freqs", "7.1,"},
                  "--freqs: entry 2 is empty"},
        UsageCase{
            {"bands", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freqs", "7.1,seven"},
            "--freqs: entry 2 \"seven\" is not a number of MHz"},
        UsageCase{{"bands", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "7"},
                  "--freq"},
        UsageCase{{"bands", "--batch", "x.csv"}, "--batch"},
        UsageCase{{"bands", "--plate", "5000", "--freqs", "7"}, "missing --antenna, --q0\n"}));

TEST(CliRun, HelpNamesEveryExitStatus) {
    const Ran ran = RunWith({"--help"});
    EXPECT_EQ(ran.status, 0);
    EXPECT_THAT(ran.out, HasSubstr("Exit status:\n"));
    for (const ExitStatusText& entry : kExitStatusTexts) {
        // The meaning may be wrapped: its first words follow the number.
        const std::string_view meaning = entry.meaning;
        EXPECT_THAT(ran.out, HasSubstr("  " + std::to_string(ToInt(entry.status)) + "  " +
                                       std::string(meaning.substr(0, 20))));
    }
    EXPECT_THAT(RunWith({"pi", "--help"}).out,
                HasSubstr("Batch columns: plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf"));
}

TEST(CliRun, ABatchUsesCapsForEmptyCellsAndNamesABadCapsCell) {
    const TempFile batch(
        "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n"
        "5000,50,12,30,\n"
        "5000,50,12,30,tantalum\n"
        "5000,50,12,30,air\n");
    const Ran ran =
        RunWith({"pi", "--batch", batch.path(), "--caps", "vacuum", "--format", "json"});
    EXPECT_EQ(ran.status, ToInt(ExitStatus::BadInput));
    std::istringstream lines(ran.out);
    std::string line;
    std::vector<std::pair<int, std::string>> rows;
    while (std::getline(lines, line)) {
        const auto json = nlohmann::json::parse(line);
        rows.emplace_back(json["row"], json["text"]["c1_pf"]);
    }
    EXPECT_EQ(rows, (std::vector<std::pair<int, std::string>>{{1, "35.000000"}, {3, "45.000000"}}));
    EXPECT_EQ(ran.err, "tavilo-cli: " + batch.path() +
                           ":3: error: column 5 (cap_min_pf): \"tantalum\" is not air, vacuum or "
                           "a number of pF; row 2 was not designed\n");
}

TEST(CliRun, AHeaderOnlyBatchGivesTheCsvHeaderAndSucceeds) {
    const Ran ran = RunWith({"turns", "--batch", "-"}, "length_in,diameter_in,l_uh\n");
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out,
              "l_uh,diameter_in,length_in,status,text_turns,text_spacing_in,length_to_diameter,"
              "nagaoka_k,current_sheet_uh,wheeler_difference_percent,short_coil_warning,message\n");
}

TEST(CliRun, ReportsAnOutputThatCannotBeWritten) {
    std::istringstream in;
    std::ostream out(nullptr);  // every write fails
    std::ostringstream err;
    const std::vector<std::string> args{"tavilo-cli", "turns", "--inductance", "14",
                                        "--diameter", "2",     "--length",     "0.5"};
    EXPECT_EQ(RunCli(args, Streams{in, out, err, false}), ToInt(ExitStatus::OutputFailed));
    EXPECT_EQ(err.str(), "tavilo-cli: cannot write to standard output\n");
}

}  // namespace
}  // namespace tavilo::cli
