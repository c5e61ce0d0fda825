// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// tavilo-cli analyze end to end: the 3.5 MHz example against facts worked out
// apart from the program, the same design as pi, the spurious limit in every
// format, batches, a network that cannot be analysed, and the plot file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli_json.h"
#include "cli_process.h"

namespace tavilo::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::vector<std::string> Example(std::vector<std::string> more = {}) {
    std::vector<std::string> args{"analyze", "--plate", "5000",   "--antenna", "50",
                                  "--q0",    "12",      "--freq", "3.5"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

nlohmann::json OnlyLine(const ProcessResult& run) {
    const auto lines = JsonLines(run.out);
    EXPECT_EQ(lines.size(), 1u) << run.out << run.err;
    return lines.empty() ? nlohmann::json::object() : lines[0];
}

// The cells of a CSV line without quoted cells, by the header's names.
std::map<std::string, std::string> CsvRow(const std::string& header, const std::string& line) {
    const auto split = [](const std::string& text) {
        std::vector<std::string> cells;
        std::string cell;
        std::istringstream in(text);
        while (std::getline(in, cell, ',')) cells.push_back(cell);
        if (!text.empty() && text.back() == ',') cells.emplace_back();
        return cells;
    };
    const std::vector<std::string> names = split(header);
    const std::vector<std::string> cells = split(line);
    EXPECT_EQ(cells.size(), names.size()) << line;
    std::map<std::string, std::string> row;
    for (std::size_t i = 0; i < names.size() && i < cells.size(); ++i) row[names[i]] = cells[i];
    return row;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// The 5000 ohm plate, 50 ohm antenna, Q0 12 network at 3.5 MHz with 1 kW into
// the antenna. A lossless network that matches passes all the power: the
// plate's voltage is sqrt(P R1), C2's sqrt(P R2), and the coil carries the
// current of the intermediate resistance R1 / (Q1^2 + 1), with a reactive
// power of Q0 P. The match is not exact only because the designs use 6.2831852
// for 2 pi: about 4e-7 off.
TEST(CliAnalyze, ReportsTheMatchHarmonicsBandwidthAndStressOfTheExampleNetwork) {
    const ProcessResult run = RunTaviloCli(Example({"--power", "1000", "--format", "json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const nlohmann::json design = OnlyLine(run);
    const nlohmann::json& analysis = design["analysis"];
    ASSERT_TRUE(analysis.is_object()) << run.out;

    EXPECT_EQ(analysis["analyzable"], true);
    EXPECT_LT(analysis["match_error"].get<double>(), 1e-6);
    EXPECT_GT(analysis["match_error"].get<double>(), 1e-7);
    EXPECT_NEAR(analysis["zin_ohms"]["re"].get<double>(), 5000.0, 5000.0 * 1e-6);
    EXPECT_NEAR(analysis["zin_ohms"]["im"].get<double>(), 0.0, 5000.0 * 1e-6);
    EXPECT_NEAR(analysis["swr"].get<double>(), 1.0, 1e-6);

    ASSERT_EQ(analysis["harmonic_db"].size(), 4u);
    EXPECT_NEAR(analysis["harmonic_db"][0].get<double>(), 33.26, 0.005);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_GT(analysis["harmonic_db"][i], analysis["harmonic_db"][i - 1]) << "n = " << i + 2;
    }
    EXPECT_EQ(analysis["harmonic_hz"], nlohmann::json::parse("[7e6, 10.5e6, 14e6, 17.5e6]"));

    const double q = analysis["operating_q"].get<double>();
    EXPECT_NEAR(q, 11.5, 0.05);
    EXPECT_NEAR(analysis["bandwidth_hz"].get<double>() * q, 3.5e6, 1e-3);
    EXPECT_LT(analysis["lower_edge_hz"].get<double>(), 3.5e6);
    EXPECT_GT(analysis["upper_edge_hz"].get<double>(), 3.5e6);

    const double watts = 1000.0;
    EXPECT_EQ(analysis["power_w"], watts);
    EXPECT_NEAR(analysis["plate_rms_v"].get<double>(), std::sqrt(watts * 5000.0), 1e-3);
    const nlohmann::json& stress = analysis["stress"];
    EXPECT_NEAR(stress["c1"]["rms_v"].get<double>(), std::sqrt(watts * 5000.0), 1e-3);
    EXPECT_NEAR(stress["c2"]["rms_v"].get<double>(), std::sqrt(watts * 50.0), 1e-6);
    const double q1 = design["q1"].get<double>();
    const double coilAmps = std::sqrt(watts * (q1 * q1 + 1.0) / 5000.0);
    EXPECT_NEAR(stress["l"]["rms_a"].get<double>(), coilAmps, 1e-6);
    EXPECT_NEAR(stress["l"]["rms_a"].get<double>(), 5.13, 0.005);
    EXPECT_NEAR(stress["l"]["reactive_va"].get<double>(), 12.0 * watts, 1e-3);
    for (const char* part : {"c1", "l", "c2"}) {
        EXPECT_NEAR(stress[part]["peak_v"].get<double>(),
                    std::sqrt(2.0) * stress[part]["rms_v"].get<double>(), 1e-9)
            << part;
        EXPECT_NEAR(stress[part]["peak_a"].get<double>(),
                    std::sqrt(2.0) * stress[part]["rms_a"].get<double>(), 1e-12)
            << part;
    }
    EXPECT_TRUE(analysis["spurious"].is_null());
}

TEST(CliAnalyze, KeepsEveryFixedKeyWithNullForWhatNeedsAnOption) {
    const nlohmann::json analysis =
        OnlyLine(RunTaviloCli(Example({"--format", "json"})))["analysis"];
    for (const char* key : {"zin_ohms", "match_error", "swr", "harmonic_db", "bandwidth_hz",
                            "operating_q", "stress", "spurious", "power_w"}) {
        EXPECT_TRUE(analysis.contains(key)) << key;
    }
    EXPECT_TRUE(analysis["stress"].is_null());
    EXPECT_TRUE(analysis["power_w"].is_null());
    EXPECT_TRUE(analysis["spurious"].is_null());
    EXPECT_FALSE(analysis["match_error"].is_null());
}

// analyze runs pi's command: every key pi writes comes out the same, on the
// standard path, on the minimum-C1 path and at the Q0 bound.
TEST(CliAnalyze, DesignsExactlyAsPiDoes) {
    const std::vector<std::vector<std::string>> designs{
        {"--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5"},
        {"--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "30", "--caps", "vacuum"},
        {"--plate", "100", "--antenna", "20", "--q0", "1", "--freq", "1", "--raise-q"},
        {"--plate", "100", "--antenna", "20", "--q0", "1", "--freq", "1"},
        {"--plate", "2k5", "--antenna", "75", "--q0", "10", "--freq", "7.1 MHz"}};
    for (const auto& design : designs) {
        std::vector<std::string> pi{"pi"};
        pi.insert(pi.end(), design.begin(), design.end());
        pi.insert(pi.end(), {"--format", "json"});
        std::vector<std::string> analyze = pi;
        analyze[0] = "analyze";
        analyze.insert(analyze.end(), {"--power", "100"});

        const ProcessResult piRun = RunTaviloCli(pi);
        const ProcessResult analyzeRun = RunTaviloCli(analyze);
        SCOPED_TRACE(analyzeRun.out);
        EXPECT_EQ(analyzeRun.status, piRun.status);
        EXPECT_EQ(analyzeRun.err, piRun.err);
        nlohmann::json analyzed = OnlyLine(analyzeRun);
        EXPECT_EQ(analyzed.contains("analysis"), analyzed["status"] == "designed");
        analyzed.erase("analysis");
        EXPECT_EQ(analyzed, OnlyLine(piRun));
    }
}

TEST(CliAnalyze, ShowsTheDesignAsPiDoesAndThenTheAnalysisWithUnits) {
    const ProcessResult pi =
        RunTaviloCli({"pi", "--plate", "5000", "--antenna", "50", "--q0", "12", "--freq", "3.5"});
    const ProcessResult run = RunTaviloCli(Example({"--power", "1000"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with(pi.out)) << run.out;
    EXPECT_THAT(run.out, HasSubstr("\n  Plate impedance (Zin)  5000.0002 - j0.0020 ohms\n"
                                   "  Match error            3.9e-07 "));
    EXPECT_THAT(run.out, HasSubstr("\n  Half-power bandwidth   304.09 kHz (3.35121 MHz to "
                                   "3.6553 MHz)\n  Operating Q            11.51 "));
    EXPECT_THAT(run.out, HasSubstr("\n    2nd     7 MHz  33.26 dB\n"
                                   "    3rd  10.5 MHz  44.17 dB\n"));
    EXPECT_THAT(run.out, HasSubstr("\n  At 1000 W into the antenna\n"
                                   "        V rms  V peak  A rms  A peak  VA reactive\n"
                                   "    C1   2236    3162  5.114   7.233        11436\n"
                                   "    L    2337    3306  5.134   7.260        12000\n"));
    EXPECT_THAT(run.out, Not(HasSubstr("Spurious")));
}

struct LimitCase {
    const char* name;
    std::vector<std::string> options;
    double limitDb;
    const char* rule;
    bool secondPasses;  // 33.26 dB
    bool thirdPasses;   // 44.17 dB
};

class SpuriousLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SpuriousLimit, HoldsTheSecondAndThirdHarmonicsToItInEveryFormat) {
    const LimitCase& c = GetParam();
    std::vector<std::string> args = Example(c.options);

    args.insert(args.end(), {"--format", "json"});
    const ProcessResult json = RunTaviloCli(args);
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json analysis = OnlyLine(json)["analysis"];
    const nlohmann::json& spurious = analysis["spurious"];
    EXPECT_NEAR(spurious["limit_db"].get<double>(), c.limitDb, 1e-12);
    EXPECT_EQ(spurious["rule"], c.rule);
    ASSERT_EQ(spurious["harmonics"].size(), 2u);
    const bool passes[] = {c.secondPasses, c.thirdPasses};
    for (std::size_t i = 0; i < 2; ++i) {
        const nlohmann::json& check = spurious["harmonics"][i];
        EXPECT_EQ(check["n"], i + 2);
        EXPECT_EQ(check["pass"], passes[i]) << "n = " << i + 2;
        EXPECT_EQ(check["attenuation_db"], analysis["harmonic_db"][i]);
        EXPECT_NEAR(check["margin_db"].get<double>(),
                    analysis["harmonic_db"][i].get<double>() - c.limitDb, 1e-9);
    }

    args.back() = "csv";
    const auto csv = Lines(RunTaviloCli(args).out);
    ASSERT_EQ(csv.size(), 2u);
    const auto row = CsvRow(csv[0], csv[1]);
    EXPECT_EQ(row.at("h2_spurious"), c.secondPasses ? "pass" : "fail");
    EXPECT_EQ(row.at("h3_spurious"), c.thirdPasses ? "pass" : "fail");
    EXPECT_NEAR(std::stod(row.at("spurious_limit_db")), c.limitDb, 1e-12);

    args.back() = "text";
    const std::string text = RunTaviloCli(args).out;
    EXPECT_THAT(text, HasSubstr(c.secondPasses ? "    2nd  33.26 dB  pass, "
                                               : "    2nd  33.26 dB  FAIL, "));
    EXPECT_THAT(
        text, HasSubstr(c.thirdPasses ? "    3rd  44.17 dB  pass, " : "    3rd  44.17 dB  FAIL, "));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SpuriousLimit,
    ::testing::Values(
        LimitCase{"given_30_db", {"--spurious-limit", "30"}, 30.0, "given", true, true},
        LimitCase{"given_40_db", {"--spurious-limit", " 40 "}, 40.0, "given", false, true},
        LimitCase{"auto_at_1_kw",
                  {"--power", "1000", "--spurious-limit", "auto"},
                  73.0,
                  "43 + 10 log10(P)",
                  false,
                  false},
        LimitCase{"auto_at_1_w",
                  {"--power", "1", "--spurious-limit", "AUTO"},
                  43.0,
                  "43 + 10 log10(P)",
                  false,
                  true}),
    [](const ::testing::TestParamInfo<LimitCase>& test) { return test.param.name; });

TEST(CliAnalyze, AHarmonicExactlyAtTheLimitPasses) {
    const nlohmann::json first = OnlyLine(RunTaviloCli(Example({"--format", "json"})));
    // The shortest text of the 2nd harmonic's attenuation reads back as it.
    const std::string attenuation = first["analysis"]["harmonic_db"][0].dump();
    const nlohmann::json limited =
        OnlyLine(RunTaviloCli(Example({"--spurious-limit", attenuation, "--format", "json"})));
    const nlohmann::json& second = limited["analysis"]["spurious"]["harmonics"][0];
    EXPECT_EQ(second["pass"], true);
    EXPECT_EQ(second["margin_db"], 0.0);
}

// Equal impedances give NaN components, no frequency infinite ones: the
// design is made as the window makes it, and the analysis says it cannot
// measure it, with the non-finite strings in place of numbers.
TEST(CliAnalyze, SaysWhenTheDesignedNetworkCannotBeAnalysed) {
    for (const auto& [plate, freq] : {std::pair{"50", "7"}, std::pair{"5000", "0"}}) {
        const auto args = std::vector<std::string>{
            "analyze", "--plate", plate, "--antenna",        "50", "--q0", "12", "--freq",
            freq,      "--power", "100", "--spurious-limit", "40"};
        auto jsonArgs = args;
        jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
        const ProcessResult json = RunTaviloCli(jsonArgs);
        EXPECT_EQ(json.status, 0);
        const nlohmann::json analysis = OnlyLine(json)["analysis"];
        EXPECT_EQ(analysis["analyzable"], false);
        EXPECT_EQ(analysis["match_error"], "nan");
        EXPECT_EQ(analysis["harmonic_db"][0], "nan");
        EXPECT_EQ(analysis["stress"]["l"]["rms_a"], "nan");
        EXPECT_EQ(analysis["spurious"]["harmonics"][0]["pass"], false);

        const ProcessResult text = RunTaviloCli(args);
        EXPECT_EQ(text.status, 0);
        EXPECT_THAT(text.out, HasSubstr("do not make a network that can be analysed"));
        EXPECT_THAT(text.out, Not(HasSubstr("Match error")));
    }
}

// A low-Q match of near impedances never falls 3 dB below f: no lower
// half-power point, so no bandwidth and no operating Q.
TEST(CliAnalyze, SaysWhenTheResponseHasNoHalfPowerPointBelowF) {
    const std::vector<std::string> args{"analyze", "--plate", "60",     "--antenna", "50",
                                        "--q0",    "1",       "--freq", "7"};
    EXPECT_THAT(RunTaviloCli(args).out,
                HasSubstr("  Half-power bandwidth   none: no half-power point below f (upper at "
                          "15.8604 MHz)\n"
                          "  Operating Q            none (no bandwidth)\n"));
    auto json = args;
    json.insert(json.end(), {"--format", "json"});
    const nlohmann::json analysis = OnlyLine(RunTaviloCli(json))["analysis"];
    EXPECT_EQ(analysis["lower_edge_hz"], "nan");
    EXPECT_EQ(analysis["bandwidth_hz"], "nan");
    EXPECT_EQ(analysis["operating_q"], "nan");
    EXPECT_GT(analysis["upper_edge_hz"].get<double>(), 7e6);
    EXPECT_LT(analysis["match_error"].get<double>(), 1e-6);
}

TEST(CliAnalyze, AnalysesEveryDesignedRowOfABatch) {
    const TempFile batch(
        "plate_ohms,antenna_ohms,q0,freq_mhz,cap_min_pf\n"
        "5000,50,12,3.5,\n"
        "100,20,1,1,\n"
        "5000,50,12,30,vacuum\n");
    const ProcessResult json =
        RunTaviloCli({"analyze", "--batch", batch.path(), "--power", "400", "--format", "json"});
    EXPECT_EQ(json.status, 1);  // row 2 stops at the Q0 bound
    const auto lines = JsonLines(json.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(lines[0]["analysis"]["harmonic_db"][0].get<double>(), 33.26, 0.005);
    EXPECT_FALSE(lines[1].contains("analysis"));
    EXPECT_EQ(lines[2]["analysis"]["power_w"], 400.0);
    // The rounded 2 pi's share of the error grows with Q0, 36 on this row.
    EXPECT_LT(lines[2]["analysis"]["match_error"].get<double>(), 1e-5);

    const ProcessResult csv = RunTaviloCli({"analyze", "--batch", batch.path(), "--power", "400"});
    const auto csvLines = Lines(csv.out);
    ASSERT_EQ(csvLines.size(), 4u);
    const auto designed = CsvRow(csvLines[0], csvLines[1]);
    EXPECT_NEAR(std::stod(designed.at("h2_db")), 33.26, 0.005);
    EXPECT_EQ(designed.at("power_w"), "400");
    EXPECT_EQ(designed.at("h2_spurious"), "");  // no limit given
    const auto stopped = CsvRow(csvLines[0], csvLines[2]);
    EXPECT_EQ(stopped.at("status"), "q0-too-low");
    EXPECT_EQ(stopped.at("h2_db"), "");
    EXPECT_EQ(stopped.at("l_rms_a"), "");
}

// --- The plot ----------------------------------------------------------------

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// The texts of every <text> element, parsed by libxml2.
std::vector<std::string> SvgTexts(const std::string& svg, std::string& root) {
    const std::unique_ptr<xmlDoc, XmlDocFree> doc(xmlReadMemory(
        svg.data(), static_cast<int>(svg.size()), "plot.svg", nullptr, XML_PARSE_NONET));
    if (!doc) return {};
    const xmlNode* top = xmlDocGetRootElement(doc.get());
    root = top != nullptr ? reinterpret_cast<const char*>(top->name) : "";

    std::vector<std::string> texts;
    xmlXPathContext* context = xmlXPathNewContext(doc.get());
    xmlXPathObject* found = xmlXPathEvalExpression(BAD_CAST "//*[local-name()='text']", context);
    if (found != nullptr && found->nodesetval != nullptr) {
        for (int i = 0; i < found->nodesetval->nodeNr; ++i) {
            xmlChar* content = xmlNodeGetContent(found->nodesetval->nodeTab[i]);
            texts.emplace_back(reinterpret_cast<const char*>(content));
            xmlFree(content);
        }
    }
    xmlXPathFreeObject(found);
    xmlXPathFreeContext(context);
    return texts;
}

TEST(CliAnalyzePlot, WritesAnSvgThatParsesAndLabelsTheHarmonicsAsTheReportDoes) {
    const TempFile plot("");
    const ProcessResult run =
        RunTaviloCli(Example({"--power", "1000", "--plot", plot.path(), "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json analysis = OnlyLine(run)["analysis"];

    std::string root;
    const std::vector<std::string> texts = SvgTexts(ReadFile(plot.path()), root);
    ASSERT_EQ(root, "svg") << "the plot does not parse as XML";
    const auto has = [&texts](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    const char* const harmonics[] = {"2f = 7 MHz", "3f = 10.5 MHz", "4f = 14 MHz", "5f = 17.5 MHz"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(has(harmonics[i])) << harmonics[i];
        // The label's attenuation is the report's, to one decimal, with a
        // true minus sign.
        char label[32];
        std::snprintf(label, sizeof label, "\u2212%.1f dB",
                      analysis["harmonic_db"][i].get<double>());
        EXPECT_TRUE(has(label)) << label;
    }
    EXPECT_TRUE(has("\u221233.3 dB"));
    EXPECT_TRUE(has("f = 3.5 MHz"));
    EXPECT_TRUE(has("Frequency (MHz)"));
    EXPECT_TRUE(has("Transfer relative to f (dB)"));
    // The header carries the coil current at the power given.
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
        return text.find("L 5.13 A rms") != std::string::npos;
    }));
}

TEST(CliAnalyzePlot, APlotThatCannotBeWrittenExitsWith4AndSaysWhy) {
    const ProcessResult run =
        RunTaviloCli(Example({"--plot", "/nonexistent-dir/plot.svg", "--format", "json"}));
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err,
              "tavilo-cli: --plot /nonexistent-dir/plot.svg: cannot write the plot: No such file "
              "or directory\n");
    EXPECT_EQ(OnlyLine(run)["status"], "designed");  // the report itself was written
}

TEST(CliAnalyzePlot, ADesignNotMadeLeavesThePlotFileAlone) {
    const TempFile plot("earlier plot");
    const ProcessResult run = RunTaviloCli({"analyze", "--plate", "100", "--antenna", "20", "--q0",
                                            "1", "--freq", "1", "--plot", plot.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "tavilo-cli: no plot written to " + plot.path() + ": the design was not made\n");
    EXPECT_EQ(ReadFile(plot.path()), "earlier plot");
}

}  // namespace
}  // namespace tavilo::testing
