// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli bands: the ten band centres, pi's design at every frequency, the
// rows whose C1 the capacitor's minimum held, and the Q0 prompt asked once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "cli_json.h"
#include "cli_process.h"

namespace tavilo::testing {
namespace {

using ::testing::HasSubstr;

const std::vector<std::string> kCentres{"1.85",   "3.65",   "7.1",   "10.125", "14.175",
                                        "18.118", "21.225", "24.94", "28.85",  "50.5"};

std::vector<std::string> Bands(std::vector<std::string> more) {
    std::vector<std::string> args{"bands", "--plate", "5000", "--antenna", "50", "--q0", "12"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliBands, DesignsTheTenBandCentresByDefault) {
    const ProcessResult json = RunTaviloCli(Bands({"--format", "json"}));
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, "");
    const auto lines = JsonLines(json.out);
    ASSERT_EQ(lines.size(), kCentres.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["row"], i + 1);
        EXPECT_EQ(lines[i]["freq_mhz"], kCentres[i]);
        EXPECT_EQ(lines[i]["status"], "designed");
    }

    // The text table: the inputs once, a heading, then a line per band.
    const ProcessResult text = RunTaviloCli(Bands({}));
    EXPECT_EQ(text.status, 0);
    std::istringstream in(text.out);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(in, line)) {
        for (const std::string& centre : kCentres) {
            if (line.starts_with("  " + centre + " ")) rows.push_back(centre);
        }
    }
    EXPECT_EQ(rows, kCentres) << text.out;
    EXPECT_THAT(text.out, HasSubstr("  Frequency MHz         Q0          Q1        Q2       C1 pF"
                                    "       C2 pF       L uH\n"));
}

// With Q0 12 the plate side needs C1 = Q1 / (2 pi f 5000 ohms), Q1 = 11.436:
// 45 pF (air) at 8.09 MHz, 35 pF (vacuum) at 10.40 MHz. Above that the
// minimum holds C1 and Q0 is worked out again, higher.
struct MarkCase {
    const char* caps;
    double minimumPf;
    std::size_t firstHeld;  // the first band whose C1 the minimum holds
    friend void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.caps; }
};

class MinimumC1Mark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MinimumC1Mark, MarksExactlyTheRowsWhoseC1TheMinimumHeld) {
    const MarkCase& c = GetParam();
    const auto lines = JsonLines(RunTaviloCli(Bands({"--caps", c.caps, "--format", "json"})).out);
    ASSERT_EQ(lines.size(), kCentres.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(kCentres[i]);
        const bool held = i >= c.firstHeld;
        EXPECT_EQ(lines[i]["c1_at_minimum"], held);
        if (held) {
            EXPECT_EQ(lines[i]["c1_pf"], c.minimumPf);
            EXPECT_GT(lines[i]["q0"].get<double>(), 12.0);
        } else {
            EXPECT_GT(lines[i]["c1_pf"].get<double>(), c.minimumPf);
            EXPECT_EQ(lines[i]["q0"], 12.0);
        }
    }

    const ProcessResult csv = RunTaviloCli(Bands({"--caps", c.caps, "--format", "csv"}));
    std::istringstream in(csv.out);
    std::string line;
    std::getline(in, line);
    EXPECT_THAT(line, HasSubstr(",text_l_uh,c1_at_minimum,message"));
    for (std::size_t i = 0; std::getline(in, line); ++i) {
        EXPECT_THAT(line, HasSubstr(i >= c.firstHeld ? ",true," : ",false,")) << line;
    }

    // In the text, a star after Q0, and a note that says what it means.
    const std::string text = RunTaviloCli(Bands({"--caps", c.caps})).out;
    std::istringstream rows(text);
    while (std::getline(rows, line)) {
        for (std::size_t i = 0; i < kCentres.size(); ++i) {
            if (!line.starts_with("  " + kCentres[i] + " ")) continue;
            EXPECT_EQ(line.find('*') != std::string::npos, i >= c.firstHeld) << line;
        }
    }
    const bool anyHeld = c.firstHeld < kCentres.size();
    EXPECT_EQ(text.find("  * C1 is held at the capacitor's minimum, ") != std::string::npos,
              anyHeld);
}

INSTANTIATE_TEST_SUITE_P(Capacitors, MinimumC1Mark,
                         ::testing::Values(MarkCase{"air", 45.0, 3},     // from 10.125 MHz
                                           MarkCase{"vacuum", 35.0, 4},  // from 14.175 MHz
                                           MarkCase{"5", 5.0, 10}));     // never below 72 MHz

TEST(CliBands, GivesEveryRowThePiDesignOfItsFrequency) {
    const std::vector<std::string> freqs{"3.5", "30", "7.1 MHz"};
    const auto lines =
        JsonLines(RunTaviloCli(Bands({"--freqs", "3.5,30,7.1 MHz", "--format", "json"})).out);
    ASSERT_EQ(lines.size(), freqs.size());
    for (std::size_t i = 0; i < freqs.size(); ++i) {
        const auto pi = JsonLines(RunTaviloCli({"pi", "--plate", "5000", "--antenna", "50", "--q0",
                                                "12", "--freq", freqs[i], "--format", "json"})
                                      .out);
        ASSERT_EQ(pi.size(), 1u);
        for (const char* key :
             {"status", "q0_bound", "q0", "q1", "q2", "c1_pf", "c2_pf", "l_uh", "text"}) {
            EXPECT_EQ(lines[i][key], pi[0][key]) << freqs[i] << ' ' << key;
        }
        EXPECT_EQ(lines[i]["freq_mhz"], freqs[i]);
    }
}

TEST(CliBands, WarnsAboutAnEntryWithCharactersAfterItsNumber) {
    const ProcessResult run = RunTaviloCli(Bands({"--freqs", "7.1,14 MHz", "--format", "json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "tavilo-cli: warning: --freqs entry 2 \"14 MHz\" has characters after its number; "
              "read as 14\n");
    EXPECT_EQ(JsonLines(run.out).size(), 2u);
}

// Plate 5000 and antenna 50 bound Q0 at sqrt(99) = 9.95 at every frequency.
TEST(CliBands, RowsAtTheQ0BoundStopOrGoOnAsInPi) {
    const ProcessResult stopped = RunTaviloCli(
        {"bands", "--plate", "5000", "--antenna", "50", "--q0", "5", "--freqs", "3.5,7"});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_THAT(stopped.out, HasSubstr("  3.5            not designed: Q0 does not exceed its "
                                       "bound\n"));
    EXPECT_THAT(stopped.out, HasSubstr("  Not designed. Improper input: Q0 Must be > 9.949874.  "
                                       "Continue with new value?\n"));

    const ProcessResult raised =
        RunTaviloCli({"bands", "--plate", "5000", "--antenna", "50", "--q0", "5", "--freqs",
                      "3.5,7", "--raise-q", "--format", "json"});
    EXPECT_EQ(raised.status, 0);
    for (const auto& line : JsonLines(raised.out)) {
        EXPECT_EQ(line["status"], "designed");
        EXPECT_EQ(line["text"]["q0"], "10.949874");
    }
}

TEST(CliBands, ATerminalIsAskedOnceForEveryRow) {
    const std::vector<std::string> args{"tavilo-cli", "bands", "--plate", "5000",     "--antenna",
                                        "50",         "--q0",  "5",       "--format", "json"};
    std::istringstream in("y\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunCli(args, cli::Streams{in, out, err, true}), 0);
    const std::string question = "[y/N]";
    const std::string asked = err.str();
    EXPECT_EQ(asked.find(question), asked.rfind(question)) << asked;
    EXPECT_NE(asked.find(question), std::string::npos);
    const auto lines = JsonLines(out.str());
    ASSERT_EQ(lines.size(), kCentres.size());
    for (const auto& line : lines) EXPECT_EQ(line["status"], "designed");
}

}  // namespace
}  // namespace tavilo::testing
