// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The transfer plot as a document: well formed, sized, labelled with the
// analysis's numbers, its curve and markers where they belong, and the same in
// every locale.
#include "report/transfer_plot_svg.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "calc/network_analysis.h"
#include "calc/pi_network.h"
#include "locale_guard.h"

namespace tavilo::report {
namespace {

using calc::PiNetworkComponents;

PiNetworkComponents Example3500kHz() {
    const calc::PiNetworkResult design =
        calc::SolvePiNetwork({5000, 50, 12, 3.5 * 1e6, 45 * 1e-12});
    return {5000, 50, 3.5e6, design.c1Farads, design.lHenries, design.c2Farads};
}

// The numbers of an SVG points list, "x,y x,y ...".
std::vector<double> Numbers(const std::string& text) {
    std::vector<double> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (at < end) {
        double value = 0.0;
        const std::from_chars_result result = std::from_chars(at, end, value);
        if (result.ec != std::errc()) break;
        numbers.push_back(value);
        at = result.ptr;
        if (at < end) ++at;  // the comma or blank
    }
    return numbers;
}

// Every opened element closed in order, and no bare ampersand. Scanned by
// hand: the curve's points make one attribute tens of kilobytes long.
bool IsWellFormed(const std::string& svg, std::string& why) {
    std::vector<std::string> open;
    for (std::size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
        const std::size_t close = svg.find('>', at);
        if (close == std::string::npos) {
            why = "unterminated tag";
            return false;
        }
        const std::string tag = svg.substr(at + 1, close - at - 1);
        if (tag.front() == '?') continue;  // the XML declaration
        const bool closing = tag.front() == '/';
        const std::size_t nameStart = closing ? 1 : 0;
        const std::string name =
            tag.substr(nameStart, tag.find_first_of(" />", nameStart) - nameStart);
        if (closing) {
            if (open.empty() || open.back() != name) {
                why = "unexpected </" + name + ">";
                return false;
            }
            open.pop_back();
        } else if (tag.back() != '/') {
            open.push_back(name);
        }
    }
    if (!open.empty()) {
        why = "<" + open.back() + "> left open";
        return false;
    }
    for (std::size_t at = svg.find('&'); at != std::string::npos; at = svg.find('&', at + 1)) {
        const std::size_t semicolon = svg.find(';', at);
        const std::string entity = svg.substr(at, semicolon - at + 1);
        if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;") {
            why = "bare &";
            return false;
        }
    }
    return true;
}

TEST(TransferPlotSvg, IsAWellFormed800By500DocumentWithLabelledAxes) {
    const std::string svg = TransferPlotSvg(Example3500kHz(), 1000.0);
    std::string why;
    EXPECT_TRUE(IsWellFormed(svg, why)) << why;
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find("width=\"800\" height=\"500\" viewBox=\"0 0 800 500\""), std::string::npos);
    EXPECT_NE(svg.find(">Frequency (MHz)</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Transfer relative to f (dB)</text>"), std::string::npos);
    // Tick labels at whole 2 MHz steps across 1.75 to 19.25 MHz.
    for (const char* tick : {">2</text>", ">10</text>", ">18</text>"}) {
        EXPECT_NE(svg.find(tick), std::string::npos) << tick;
    }
    EXPECT_EQ(svg.find(">20</text>"), std::string::npos);
}

TEST(TransferPlotSvg, LabelsTheFundamentalAndEachHarmonicWithItsAttenuation) {
    const PiNetworkComponents network = Example3500kHz();
    const std::string svg = TransferPlotSvg(network);
    EXPECT_NE(svg.find(">f = 3.5 MHz</text>"), std::string::npos);
    EXPECT_NE(svg.find(">0.0 dB</text>"), std::string::npos);
    const calc::PiNetworkAnalysis analysis = calc::AnalyzePiNetwork(network);
    const char* headings[] = {"2f = 7 MHz", "3f = 10.5 MHz", "4f = 14 MHz", "5f = 17.5 MHz"};
    for (int i = 0; i < calc::kHarmonicCount; ++i) {
        char digits[32];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, analysis.harmonics[i].attenuationDb,
                          std::chars_format::fixed, 1)
                .ptr;
        const std::string label = "\u2212" + std::string(digits, end) + " dB";
        EXPECT_NE(svg.find(">" + label + "</text>"), std::string::npos) << label;
        EXPECT_NE(svg.find(std::string(">") + headings[i] + "</text>"), std::string::npos)
            << headings[i];
    }
    EXPECT_NE(svg.find(">\u221233.3 dB</text>"), std::string::npos);  // about 33 dB
}

TEST(TransferPlotSvg, MarkersSitEvenlyAtTheHarmonicsAndFallWithAttenuation) {
    const std::string svg = TransferPlotSvg(Example3500kHz());
    static const std::regex circle(R"re(<circle cx="([0-9.]+)" cy="([0-9.]+)")re");
    std::vector<double> xs;
    std::vector<double> ys;
    for (std::sregex_iterator it(svg.begin(), svg.end(), circle), end; it != end; ++it) {
        xs.push_back(std::stod((*it)[1]));
        ys.push_back(std::stod((*it)[2]));
    }
    ASSERT_EQ(xs.size(), 5u);
    // f, 2f ... 5f are evenly spaced on a linear axis from 0.5 f to 5.5 f: the
    // fundamental one spacing and a half from the left edge of the frame.
    const double spacing = xs[1] - xs[0];
    for (std::size_t i = 1; i < xs.size(); ++i) {
        EXPECT_NEAR(xs[i] - xs[i - 1], spacing, 0.02) << i;
        EXPECT_GT(ys[i], ys[i - 1]) << i;  // further down the page
    }
    static const std::regex frame(
        R"re(<rect x="([0-9.]+)" y="([0-9.]+)" width="([0-9.]+)" height="([0-9.]+)" fill="none")re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, frame));
    const double left = std::stod(match[1]);
    const double width = std::stod(match[3]);
    EXPECT_NEAR(xs[0] - left, width / 10.0, 0.02);
    EXPECT_NEAR(spacing, width / 5.0, 0.02);
}

TEST(TransferPlotSvg, CurveRunsLeftToRightInsideTheFrame) {
    const std::string svg = TransferPlotSvg(Example3500kHz());
    static const std::regex frame(
        R"re(<rect x="([0-9.]+)" y="([0-9.]+)" width="([0-9.]+)" height="([0-9.]+)" fill="none")re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, frame));
    const double left = std::stod(match[1]);
    const double top = std::stod(match[2]);
    const double right = left + std::stod(match[3]);
    const double bottom = top + std::stod(match[4]);

    const std::size_t polyline = svg.find("<polyline ");
    ASSERT_NE(polyline, std::string::npos);
    const std::size_t points = svg.find("points=\"", polyline) + 8;
    const std::vector<double> coordinates =
        Numbers(svg.substr(points, svg.find('"', points) - points));
    ASSERT_GT(coordinates.size(), 1000u);
    ASSERT_EQ(coordinates.size() % 2, 0u);
    EXPECT_DOUBLE_EQ(coordinates.front(), left);
    EXPECT_DOUBLE_EQ(coordinates[coordinates.size() - 2], right);
    for (std::size_t i = 0; i < coordinates.size(); i += 2) {
        if (i > 0) {
            EXPECT_GT(coordinates[i], coordinates[i - 2]) << i;
        }
        EXPECT_GE(coordinates[i + 1], top) << i;
        EXPECT_LE(coordinates[i + 1], bottom) << i;
    }
}

TEST(TransferPlotSvg, StatesMatchBandwidthAndCoilCurrentAtPower) {
    const PiNetworkComponents network = Example3500kHz();
    const std::string plain = TransferPlotSvg(network);
    EXPECT_NE(plain.find("Match error 3.9e-7"), std::string::npos);
    EXPECT_NE(plain.find("Operating Q "), std::string::npos);
    EXPECT_EQ(plain.find("into the antenna"), std::string::npos);

    // L carries sqrt(P / Rv), Rv = R1 / (Q1^2 + 1), at a matched power P.
    const double q1 = calc::SolvePiNetwork({5000, 50, 12, 3.5 * 1e6, 45 * 1e-12}).inputQ;
    const double coilAmps = std::sqrt(1000.0 * (q1 * q1 + 1.0) / 5000.0);
    ASSERT_NEAR(coilAmps, 5.13, 0.005);
    const std::string atPower = TransferPlotSvg(network, 1000.0);
    EXPECT_NE(atPower.find("At 1000 W into the antenna:   L 5.13 A rms"), std::string::npos);
}

TEST(TransferPlotSvg, ReadsTheSameInACommaDecimalLocale) {
    const std::string inC = TransferPlotSvg(Example3500kHz(), 1000.0);
    tavilo::testing::CommaDecimalLocale locale;
    if (!locale.active()) GTEST_SKIP() << "no " << tavilo::testing::kCommaDecimalLocale;
    EXPECT_EQ(TransferPlotSvg(Example3500kHz(), 1000.0), inC);
}

TEST(TransferPlotSvg, NetworkWithoutBandEdgesSaysNotApplicable) {
    // No capacitors: |Z21| = R2 at every frequency, so there is no band.
    const std::string svg = TransferPlotSvg({5000, 50, 3.5e6, 0.0, 20e-6, 0.0});
    std::string why;
    EXPECT_TRUE(IsWellFormed(svg, why)) << why;
    EXPECT_NE(svg.find("Operating Q n/a"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(TransferPlotSvg, UnanalyzableNetworkGivesANoticeInsteadOfAPlot) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string svg = TransferPlotSvg({50, 50, 3.5e6, nan, nan, nan}, 100.0);
    std::string why;
    EXPECT_TRUE(IsWellFormed(svg, why)) << why;
    EXPECT_NE(svg.find("No plot"), std::string::npos);
    EXPECT_EQ(svg.find("<polyline"), std::string::npos);
}

}  // namespace
}  // namespace tavilo::report
