// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The transfer plot, written as SVG text by hand: a handful of elements do not
// warrant a library. Numbers go through std::to_chars, so the document reads
// the same in every locale.
#include "report/transfer_plot_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <vector>

namespace tavilo::report {

namespace {

using calc::PiNetworkComponents;

// Plot area inside the 800 x 500 canvas.
constexpr double kLeft = 70.0;
constexpr double kRight = 745.0;  // room on the right for the 5th harmonic's label
constexpr double kBottom = 440.0;
constexpr double kTopWithPower = 112.0;
constexpr double kTopWithoutPower = 96.0;

constexpr double kLowestMultiple = 0.5;   // the plot starts at 0.5 f
constexpr double kHighestMultiple = 5.5;  // and ends at 5.5 f
constexpr int kSamples = 1601;
constexpr double kDeepestSpanDb = 120.0;  // lower values are drawn at the floor

constexpr std::string_view kMinus = "\u2212";

// --- Number texts -----------------------------------------------------------

std::string Chars(double value, std::chars_format format, int precision) {
    if (std::isnan(value)) return "n/a";
    if (std::isinf(value)) return value > 0 ? "\u221e" : std::string(kMinus) + "\u221e";
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (!text.empty() && text.front() == '-') {
        // "-0.0" is no reading anyone wants to see; a real negative gets a true minus sign.
        const bool allZero = text.find_first_of("123456789") == std::string::npos;
        text = allZero ? text.substr(1) : std::string(kMinus) + text.substr(1);
    }
    return text;
}

std::string Fixed(double value, int decimals) {
    return Chars(value, std::chars_format::fixed, decimals);
}

// Fixed notation with the given number of significant digits: 104.0, 20.70.
std::string Significant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return Fixed(value, 0);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return Fixed(value, std::max(0, digits - 1 - magnitude));
}

// Shortest general form: 3.5, 14.175, 7.
std::string Plain(double value) {
    return Chars(value, std::chars_format::general, 6);
}

// 3.9e-7, with no padding in the exponent.
std::string Scientific(double value) {
    std::string text = Chars(value, std::chars_format::scientific, 1);
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        exponent.erase(0, 1);
    }
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    return text.substr(0, e) + "e" + (negative ? "-" : "") + exponent;
}

// Coordinates: two decimals are finer than any screen.
std::string Coord(double value) {
    return Fixed(value, 2);
}

struct FrequencyUnit {
    double hertz;
    const char* name;
};

FrequencyUnit UnitFor(double hz) {
    if (hz >= 1e9) return {1e9, "GHz"};
    if (hz >= 1e6) return {1e6, "MHz"};
    if (hz >= 1e3) return {1e3, "kHz"};
    return {1.0, "Hz"};
}

std::string FrequencyText(double hz) {
    const FrequencyUnit unit = UnitFor(hz);
    return Plain(hz / unit.hertz) + " " + unit.name;
}

std::string BandwidthText(double hz) {
    if (!std::isfinite(hz)) return Plain(hz);
    const FrequencyUnit unit = UnitFor(hz);
    return Significant(hz / unit.hertz, 4) + " " + unit.name;
}

std::string DbText(double db) {
    return Fixed(db, 1) + " dB";
}

// The smallest of 1, 2 or 5 times a power of ten that is at least span / 10.
double TickStep(double span) {
    const double raw = span / 10.0;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * decade >= raw) return multiple * decade;
    }
    return 10.0 * decade;
}

int DecimalsFor(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

// --- The document ------------------------------------------------------------

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

class SvgWriter {
  public:
    SvgWriter() {
        const std::string w = std::to_string(kTransferPlotWidthPx);
        const std::string h = std::to_string(kTransferPlotHeightPx);
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"DejaVu Sans, Verdana, " +
                "Arial, Helvetica, sans-serif\" font-size=\"12\">\n";
        out_ += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    }

    void Raw(std::string_view element) {
        out_ += element;
        out_ += '\n';
    }

    void Line(double x1, double y1, double x2, double y2, std::string_view style) {
        Append({"<line x1=\"", Coord(x1), "\" y1=\"", Coord(y1), "\" x2=\"", Coord(x2), "\" y2=\"",
                Coord(y2), "\" ", style, "/>\n"});
    }

    void Text(double x, double y, std::string_view text, std::string_view attributes = "") {
        Append({"<text x=\"", Coord(x), "\" y=\"", Coord(y), "\"", attributes.empty() ? "" : " ",
                attributes, ">", Escaped(text), "</text>\n"});
    }

    std::string Finish() {
        out_ += "</svg>\n";
        return std::move(out_);
    }

  private:
    // Piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict) about
    // "literal" + std::string chains.
    void Append(std::initializer_list<std::string_view> pieces) {
        for (const std::string_view piece : pieces) out_ += piece;
    }

    std::string out_;
};

void WriteHeader(SvgWriter& svg, const PiNetworkComponents& network,
                 const calc::PiNetworkAnalysis& analysis, std::optional<double> antennaWatts) {
    svg.Text(kLeft, 26,
             "Pi-network transfer |Z21| relative to f = " + FrequencyText(network.frequencyHz),
             "font-size=\"16\" font-weight=\"bold\"");
    svg.Text(kLeft, 48,
             "R1 " + Plain(network.plateOhms) + " \u03a9 \u2192 R2 " + Plain(network.antennaOhms) +
                 " \u03a9   \u00b7   C1 " + Significant(network.c1Farads * 1e12, 4) +
                 " pF   \u00b7   L " + Significant(network.lHenries * 1e6, 4) +
                 " \u00b5H   \u00b7   C2 " + Significant(network.c2Farads * 1e12, 4) + " pF");
    const calc::HalfPowerBandwidth& band = analysis.bandwidth;
    svg.Text(kLeft, 68,
             "Match error " + Scientific(analysis.match.relativeError) + "   \u00b7   SWR " +
                 Fixed(analysis.match.swr, 3) + "   \u00b7   Bandwidth (" + std::string(kMinus) +
                 "3 dB, shaded) " + BandwidthText(band.bandwidthHz) + "   \u00b7   Operating Q " +
                 Fixed(band.operatingQ, 1));
    if (antennaWatts) {
        const calc::PiNetworkStress stress = calc::AnalyzeStress(network, *antennaWatts);
        svg.Text(kLeft, 88,
                 "At " + Plain(*antennaWatts) + " W into the antenna:   L " +
                     Significant(stress.l.rmsAmps, 3) + " A rms   \u00b7   C1 " +
                     Significant(stress.c1.peakVolts, 4) + " V peak   \u00b7   C2 " +
                     Significant(stress.c2.peakVolts, 4) + " V peak");
    }
}

std::string Unanalyzable() {
    SvgWriter svg;
    svg.Text(kTransferPlotWidthPx / 2.0, kTransferPlotHeightPx / 2.0,
             "No plot: these values do not make a network that can be analysed.",
             "text-anchor=\"middle\" font-size=\"16\"");
    return svg.Finish();
}

}  // namespace

std::string TransferPlotSvg(const PiNetworkComponents& network,
                            std::optional<double> antennaWatts) {
    const calc::PiNetworkAnalysis analysis = calc::AnalyzePiNetwork(network);
    if (!analysis.analyzable) return Unanalyzable();

    const double f = network.frequencyHz;
    const double lowHz = kLowestMultiple * f;
    const double highHz = kHighestMultiple * f;

    std::vector<double> samplesHz(kSamples);
    std::vector<double> samplesDb(kSamples);
    double maxDb = 0.0;
    double minDb = 0.0;
    for (int i = 0; i < kSamples; ++i) {
        samplesHz[i] = lowHz + (highHz - lowHz) * i / (kSamples - 1);
        samplesDb[i] = calc::TransferRelativeDb(network, samplesHz[i]);
        maxDb = std::max(maxDb, samplesDb[i]);
        minDb = std::min(minDb, samplesDb[i]);
    }

    // Decibel axis: at least 5 dB of headroom above the highest point (room
    // for the label of f), the floor on a whole 10 dB, and no more than 120 dB
    // in all.
    const double topDb = 10.0 * std::ceil((maxDb + 5.0) / 10.0);
    const double floorDb = std::max(10.0 * std::floor(minDb / 10.0), topDb - kDeepestSpanDb);
    const double dbStep = topDb - floorDb > 100.0 ? 20.0 : 10.0;

    const double top = antennaWatts ? kTopWithPower : kTopWithoutPower;
    auto x = [&](double hz) { return kLeft + (hz - lowHz) / (highHz - lowHz) * (kRight - kLeft); };
    auto y = [&](double db) {
        const double shown = std::clamp(db, floorDb, topDb);
        return top + (topDb - shown) / (topDb - floorDb) * (kBottom - top);
    };

    SvgWriter svg;
    WriteHeader(svg, network, analysis, antennaWatts);

    // Half-power band, shaded behind everything else.
    const calc::HalfPowerBandwidth& band = analysis.bandwidth;
    if (std::isfinite(band.bandwidthHz)) {
        const double x1 = x(std::max(band.lowerEdgeHz, lowHz));
        const double x2 = x(std::min(band.upperEdgeHz, highHz));
        if (x2 > x1) {
            svg.Raw("<rect x=\"" + Coord(x1) + "\" y=\"" + Coord(top) + "\" width=\"" +
                    Coord(x2 - x1) + "\" height=\"" + Coord(kBottom - top) +
                    "\" fill=\"#fff3c4\"/>");
        }
    }

    // Grid, ticks and tick labels.
    const FrequencyUnit unit = UnitFor(f);
    const double step = TickStep((highHz - lowHz) / unit.hertz);
    const int decimals = DecimalsFor(step);
    for (double tick = std::ceil(lowHz / unit.hertz / step) * step; tick <= highHz / unit.hertz;
         tick += step) {
        const double tx = x(tick * unit.hertz);
        svg.Line(tx, top, tx, kBottom, "stroke=\"#e2e2e2\"");
        svg.Line(tx, kBottom, tx, kBottom + 5, "stroke=\"#333\"");
        svg.Text(tx, kBottom + 19, Fixed(tick, decimals), "text-anchor=\"middle\"");
    }
    for (double db = topDb; db >= floorDb - 1e-9; db -= dbStep) {
        const double ty = y(db);
        svg.Line(kLeft, ty, kRight, ty, "stroke=\"#e2e2e2\"");
        svg.Line(kLeft - 5, ty, kLeft, ty, "stroke=\"#333\"");
        svg.Text(kLeft - 8, ty + 4, Fixed(db, 0), "text-anchor=\"end\"");
    }
    svg.Raw("<rect x=\"" + Coord(kLeft) + "\" y=\"" + Coord(top) + "\" width=\"" +
            Coord(kRight - kLeft) + "\" height=\"" + Coord(kBottom - top) +
            "\" fill=\"none\" stroke=\"#333\"/>");
    svg.Text((kLeft + kRight) / 2.0, kBottom + 42, std::string("Frequency (") + unit.name + ")",
             "text-anchor=\"middle\" font-size=\"13\"");
    const std::string yLabelX = Coord(20.0);
    const std::string yLabelY = Coord((top + kBottom) / 2.0);
    svg.Text(20.0, (top + kBottom) / 2.0, "Transfer relative to f (dB)",
             "text-anchor=\"middle\" font-size=\"13\" transform=\"rotate(-90 " + yLabelX + " " +
                 yLabelY + ")\"");

    // Harmonic markers under the curve.
    struct Marker {
        int harmonic;
        double hz;
        double db;
    };
    std::vector<Marker> markers{{1, f, 0.0}};
    for (const calc::HarmonicAttenuation& h : analysis.harmonics) {
        markers.push_back({h.harmonic, h.frequencyHz, -h.attenuationDb});
    }
    for (const Marker& m : markers) {
        svg.Line(x(m.hz), top, x(m.hz), kBottom, "stroke=\"#8a9bb8\" stroke-dasharray=\"4 4\"");
    }

    // The curve, clipped to the plot area.
    svg.Raw("<clipPath id=\"plot-area\"><rect x=\"" + Coord(kLeft) + "\" y=\"" + Coord(top) +
            "\" width=\"" + Coord(kRight - kLeft) + "\" height=\"" + Coord(kBottom - top) +
            "\"/></clipPath>");
    std::string points;
    for (int i = 0; i < kSamples; ++i) {
        if (i > 0) points += ' ';
        points += Coord(x(samplesHz[i])) + "," + Coord(y(samplesDb[i]));
    }
    svg.Raw(
        "<polyline clip-path=\"url(#plot-area)\" fill=\"none\" stroke=\"#1f5fbf\" "
        "stroke-width=\"2\" stroke-linejoin=\"round\" points=\"" +
        points + "\"/>");

    // Dots, and their labels to the right, lifted clear of any part of the
    // curve that runs under them (near f the curve can peak beside the dot).
    const std::string halo = "stroke=\"white\" stroke-width=\"4\" paint-order=\"stroke\"";
    for (const Marker& m : markers) {
        const double mx = x(m.hz);
        const double my = y(m.db);
        svg.Raw("<circle cx=\"" + Coord(mx) + "\" cy=\"" + Coord(my) +
                "\" r=\"4.5\" fill=\"#c0392b\" stroke=\"white\" stroke-width=\"1.5\"/>");
        const std::string name = m.harmonic == 1 ? "f" : std::to_string(m.harmonic) + "f";
        const std::string heading = name + " = " + FrequencyText(m.hz);
        // Kept inside the canvas: about 7.5 px a character in bold 12 px type.
        const double widthPx = 7.5 * static_cast<double>(heading.size());
        const double labelX = std::min(mx + 7, kTransferPlotWidthPx - 4 - widthPx);
        double clearY = my;
        for (int i = 0; i < kSamples; ++i) {
            const double sx = x(samplesHz[i]);
            if (sx >= labelX - 2 && sx <= labelX + widthPx)
                clearY = std::min(clearY, y(samplesDb[i]));
        }
        svg.Text(labelX, clearY - 22, heading, "font-weight=\"bold\" " + halo);
        svg.Text(labelX, clearY - 8, DbText(m.db), halo);
    }
    return svg.Finish();
}

}  // namespace tavilo::report
