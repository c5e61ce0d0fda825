// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The tavilo-cli executable end to end: its formats, its batches with a
// broken row, its exit statuses, and its texts against the in-memory window's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_json.h"
#include "cli_process.h"
#include "platform/memory_window.h"
#include "res/resource_ids.h"
#include "ui/calculate_command.h"
#include "ui/coil_commands.h"
#include "ui/inductor_form.h"
#include "ui/pi_network_form.h"

namespace tavilo::testing {
namespace {

using ::testing::HasSubstr;

TEST(CliExecutable, DesignsTheVacuumExampleAsJson) {
    const ProcessResult run =
        RunTaviloCli({"pi", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "30",
                      "--caps", "vacuum", "--format", "json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // Exactly one line, with C1 written as the shortest text of 35.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_THAT(run.out, HasSubstr(",\"c1_pf\":35,"));
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["status"], "designed");
    EXPECT_EQ(json["c1_pf"], 35.0);
    EXPECT_THAT(run.out, HasSubstr(",\"q0\":36.131756"));
    EXPECT_THAT(json["q0"].get<double>(), ::testing::DoubleNear(36.131756, 5e-7));
    EXPECT_EQ(json["text"]["q0"], "36.131756");
    EXPECT_EQ(json["text"]["c1_pf"], "35.000000");
}

const char* const kFewRows =
    "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n"
    "100,20,4,1,air\n"
    "100,20,1,1,air\n"
    "\"5000\",50,12,30,vacuum\n";

TEST(CliExecutable, WritesAFewRowsAsCsv) {
    const TempFile batch(kFewRows);
    const ProcessResult run = RunTaviloCli({"pi", "--batch", batch.path()});
    EXPECT_EQ(run.status, 1);  // row 2 stopped at the Q0 bound
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf,status,text_q0,text_q1,text_q2,"
              "text_c1_pf,text_c2_pf,text_l_uh,message\n"
              "100,20,4,1,air,designed,4.000000,3.000000,1.000000,4774.648374,7957.747290,"
              "6.366198,\n"
              "100,20,1,1,air,q0-too-low,,,,,,,Q0 Must be > 2.000000.  Continue with new value?\n"
              "5000,50,12,30,vacuum,designed,36.131756,32.986722,3.145034,35.000000,333.698471,"
              "0.879996,\n");
}

TEST(CliExecutable, WritesAFewRowsAsJsonLines) {
    const ProcessResult run = RunTaviloCli({"pi", "--batch", "-", "--format", "json"}, kFewRows);
    EXPECT_EQ(run.status, 1);
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["text"]["q1"], "3.000000");
    EXPECT_EQ(lines[0]["q1"], 3.0);
    EXPECT_FALSE(lines[0].contains("message"));
    EXPECT_EQ(lines[1], nlohmann::json::parse(
                            R"({"row":2,"status":"q0-too-low","q0_bound":2,)"
                            R"("message":"Q0 Must be > 2.000000.  Continue with new value?"})"));
    EXPECT_EQ(lines[2]["row"], 3);
    EXPECT_EQ(lines[2]["text"]["c1_pf"], "35.000000");
}

TEST(CliExecutable, WritesAFewRowsAsText) {
    const TempFile batch(kFewRows);
    const ProcessResult run = RunTaviloCli({"pi", "--batch", batch.path(), "--format", "text"});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("Pi network, row 1\n"));
    EXPECT_THAT(run.out, HasSubstr("  C1                 4774.648374 pF\n"));
    EXPECT_THAT(run.out, HasSubstr("Pi network, row 2\n  Plate impedance    100 ohms\n"));
    EXPECT_THAT(run.out, HasSubstr("  Not designed. Improper input: Q0 Must be > 2.000000.  "
                                   "Continue with new value?\n"));
    EXPECT_THAT(run.out, HasSubstr("Pi network, row 3\n"));
}

TEST(CliExecutable, DesignsEveryOtherRowOfABatchWithABrokenRowAndNamesIt) {
    std::string batch = "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n";
    for (int row = 1; row <= 1000; ++row) {
        batch += row == 500 ? "3000,50,12\n"
                            : std::to_string(1000 + row) + ",50," + std::to_string(10 + row % 7) +
                                  ",7.1,\n";
    }
    const TempFile file(batch);
    const ProcessResult run = RunTaviloCli({"pi", "--batch", file.path(), "--format", "json"});

    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "tavilo-cli: " + file.path() +
                           ":501: error: column 4 (freq_mhz): 3 cells where the header has 5; the "
                           "row ends before this column; row 500 was not designed\n");
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 999u);
    int expected = 1;
    for (const auto& line : lines) {
        if (expected == 500) ++expected;
        ASSERT_EQ(line["row"], expected);
        ASSERT_EQ(line["status"], "designed");
        ++expected;
    }
}

TEST(CliExecutable, ExitsWith4WhenStandardOutputIsFull) {
    const ProcessResult run = RunTaviloCli(
        {"turns", "--inductance", "14", "--diameter", "2", "--length", "0.5"}, "", "/dev/full");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "tavilo-cli: cannot write to standard output\n");
}

TEST(CliExecutable, ExitsWith3ForAFileItCannotRead) {
    const ProcessResult run = RunTaviloCli({"pi", "--batch", "/nonexistent/bands.csv"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "tavilo-cli: /nonexistent/bands.csv: error: cannot open the batch file: No such "
              "file or directory\n");
}

// Field texts a user may type, the odd ones included.
struct PiTexts {
    const char* plate;
    const char* antenna;
    const char* q0;
    const char* freq;
    const char* caps;  // "", "air", "vacuum" or a number of pF
};

const PiTexts kPiCases[] = {{"5000", "50", "12", "30", "vacuum"},
                            {"5000", "50", "12", "3.5", "air"},
                            {"100", "20", "4", "1", ""},
                            {"100", "20", "2", "1", ""},
                            {"20", "100", "4", "1", "40"},
                            {"5k", "50", "12", "14", ""},
                            {"50", "50", "12", "7", ""},
                            {"3000", "", "12", "7", ""},
                            {"", "50", "12", "7", ""},
                            {"3000", "50", "12", "", ""},
                            {" 2500 ", "75", "1e1", "21", "air"},
                            {"1e300", "1e-300", "1e308", "1e300", ""},
                            {"inf", "50", "12", "7", ""},
                            {"nan", "50", "12", "7", ""},
                            {"-3000", "50", "12", "7", ""},
                            {"3000", "50", "12", "7", "-5"}};

// The same texts typed into the in-memory window, the prompt answered Cancel.
struct WindowResult {
    ui::CalculateOutcome outcome;
    std::vector<std::string> texts;  // q0, q1, q2, c1, c2, l
};

WindowResult DesignInWindow(const PiTexts& c) {
    platform::MemoryWindow window;
    window.SetResponder([](const platform::ShownMessage&) { return platform::IDCANCEL; });
    ui::PiNetworkForm form;
    const std::string caps = c.caps;
    if (caps == "air") {
        form.OnAirCaps();
    } else if (caps == "vacuum") {
        form.OnVacuumCaps();
    } else if (!caps.empty()) {
        form.capMinPf = std::stod(caps);
    }
    window.SetControlText(res::IDC_PLATE_Z, c.plate);
    window.SetControlText(res::IDC_ANTENNA_Z, c.antenna);
    window.SetControlText(res::IDC_Q0, c.q0);
    window.SetControlText(res::IDC_FREQ, c.freq);
    WindowResult result;
    result.outcome = ui::OnCalculate(form, window);
    for (const int id :
         {res::IDC_Q0, res::IDC_Q1, res::IDC_Q2, res::IDC_C1, res::IDC_C2, res::IDC_L}) {
        result.texts.push_back(window.ControlText(id));
    }
    return result;
}

TEST(CliExecutable, GivesThePiTextsAndNumbersOfTheInMemoryWindow) {
    std::string batch = "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n";
    for (const PiTexts& c : kPiCases) {
        batch += std::string(c.plate) + ',' + c.antenna + ',' + c.q0 + ',' + c.freq + ',' + c.caps +
                 '\n';
    }
    const ProcessResult run = RunTaviloCli({"pi", "--batch", "-", "--format", "json"}, batch);
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), std::size(kPiCases)) << run.err;

    const char* const keys[] = {"q0", "q1", "q2", "c1_pf", "c2_pf", "l_uh"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const WindowResult window = DesignInWindow(kPiCases[i]);
        const auto& line = lines[i];
        SCOPED_TRACE(line.dump());
        EXPECT_TRUE(SameDouble(Number(line["q0_bound"]), window.outcome.q0Bound));
        ASSERT_EQ(line["status"] == "designed", window.outcome.designed);
        if (!window.outcome.designed) continue;
        const ui::PiNetworkShown& shown = window.outcome.shown;
        const double numbers[] = {shown.q0, shown.q1, shown.q2, shown.c1Pf, shown.c2Pf, shown.lUh};
        for (std::size_t k = 0; k < std::size(keys); ++k) {
            EXPECT_EQ(line["text"][keys[k]], window.texts[k]) << keys[k];
            EXPECT_TRUE(SameDouble(Number(line[keys[k]]), numbers[k])) << keys[k];
        }
    }
}

TEST(CliExecutable, GivesTheCoilTextsOfTheInMemoryWindow) {
    struct CoilTexts {
        const char* given;  // inductance for turns, turns for inductance
        const char* diameter;
        const char* length;
    };
    const CoilTexts cases[] = {{"14", "2", "0.5"}, {"10", "1", "1"}, {"", "", ""},
                               {"0", "1", "1"},    {"5", "0", "1"},  {"-4", "1.5", "2 in"}};

    for (const bool turns : {true, false}) {
        std::string batch =
            turns ? "l_uh,diameter_in,length_in\n" : "turns,diameter_in,length_in\n";
        for (const CoilTexts& c : cases) {
            batch += std::string(c.given) + ',' + c.diameter + ',' + c.length + '\n';
        }
        const ProcessResult run = RunTaviloCli(
            {turns ? "turns" : "inductance", "--batch", "-", "--format", "json"}, batch);
        const auto lines = JsonLines(run.out);
        ASSERT_EQ(lines.size(), std::size(cases)) << run.err;
        const std::string key = turns ? "turns" : "l_uh";

        for (std::size_t i = 0; i < lines.size(); ++i) {
            platform::MemoryWindow window;
            ui::InductorForm form;
            window.SetControlText(turns ? res::IDC_COIL_L : res::IDC_COIL_TURNS, cases[i].given);
            window.SetControlText(res::IDC_COIL_DIAMETER, cases[i].diameter);
            window.SetControlText(res::IDC_COIL_LENGTH, cases[i].length);
            const ui::CoilOutcome outcome =
                turns ? ui::OnCalcTurns(form, window) : ui::OnCalcL(form, window);
            SCOPED_TRACE(lines[i].dump());
            EXPECT_EQ(lines[i]["text"][key],
                      window.ControlText(turns ? res::IDC_COIL_TURNS : res::IDC_COIL_L));
            EXPECT_EQ(lines[i]["text"]["spacing_in"], window.ControlText(res::IDC_COIL_SPACING));
            EXPECT_TRUE(SameDouble(Number(lines[i][key]), outcome.value));
            EXPECT_TRUE(SameDouble(Number(lines[i]["spacing_in"]), outcome.spacing));
        }
    }
}

}  // namespace
}  // namespace tavilo::testing
