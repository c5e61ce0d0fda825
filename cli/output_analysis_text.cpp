// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis as text.
#include "cli/output_analysis_text.h"

#include <cmath>
#include <string_view>

#include "cli/number_text.h"
#include "cli/readable_number.h"
#include "cli/text_table.h"

namespace tavilo::cli {

namespace {

std::string Ordinal(int n) {
    const std::string_view suffix = n == 2 ? "nd" : n == 3 ? "rd" : "th";
    return std::to_string(n) + std::string(suffix);
}

std::string ComplexOhms(std::complex<double> z) {
    const std::string imaginary = Decimals(std::fabs(z.imag()), 4);
    // A part that rounds to zero gets no minus sign.
    const bool negative = std::signbit(z.imag()) && !std::isnan(z.imag()) &&
                          imaginary.find_first_of("123456789") != std::string::npos;
    return Decimals(z.real(), 4) + (negative ? " - j" : " + j") + imaginary + " ohms";
}

// The half-power points; a side where the response never falls 3 dB has none.
std::string BandwidthText(const calc::HalfPowerBandwidth& band) {
    if (!std::isnan(band.bandwidthHz)) {
        return FrequencyText(band.bandwidthHz) + " (" + FrequencyText(band.lowerEdgeHz) + " to " +
               FrequencyText(band.upperEdgeHz) + ")";
    }
    const bool lower = !std::isnan(band.lowerEdgeHz);
    const bool upper = !std::isnan(band.upperEdgeHz);
    if (lower == upper) return "none: no half-power point on either side of f";
    return std::string("none: no half-power point ") + (lower ? "above" : "below") + " f (" +
           (lower ? "lower at " + FrequencyText(band.lowerEdgeHz)
                  : "upper at " + FrequencyText(band.upperEdgeHz)) +
           ")";
}

std::string Db(double db) {
    return Decimals(db, 2) + " dB";
}

void AppendMatchAndBandwidth(std::string& out, const calc::PiNetworkAnalysis& analysis) {
    const calc::HalfPowerBandwidth& band = analysis.bandwidth;
    TextTable table;
    table.LeftAlign(1);  // phrases, not a column of numbers
    table.AddRow({"Plate impedance (Zin)", ComplexOhms(analysis.match.plateImpedanceOhms)});
    table.AddRow({"Match error", Scientific(analysis.match.relativeError, 1) +
                                     " (|Zin - plate impedance| / plate impedance)"});
    table.AddRow({"SWR at the plate", Decimals(analysis.match.swr, 6)});
    table.AddRow({"Half-power bandwidth", BandwidthText(band)});
    table.AddRow({"Operating Q", std::isnan(band.operatingQ)
                                     ? std::string("none (no bandwidth)")
                                     : Decimals(band.operatingQ, 2) + " (frequency / bandwidth)"});
    table.AppendTo(out);
}

void AppendHarmonics(std::string& out, const calc::PiNetworkAnalysis& analysis) {
    out += "\n  Harmonics in the antenna, below the fundamental for equal plate current\n";
    TextTable table;
    for (const calc::HarmonicAttenuation& harmonic : analysis.harmonics) {
        table.AddRow({Ordinal(harmonic.harmonic), FrequencyText(harmonic.frequencyHz),
                      Db(harmonic.attenuationDb)});
    }
    table.AppendTo(out, 4);
}

void AppendSpurious(std::string& out, const SpuriousReport& spurious,
                    const std::optional<calc::PiNetworkStress>& stress) {
    out += "\n  Spurious limit " + Db(spurious.limitDb) + " below the carrier";
    if (spurious.fromPower && stress) {
        out += " (43 + 10 log10(P), P = " + ShortestText(stress->antennaWatts) + " W)";
    }
    out += ",\n  held against the network's own attenuation\n";
    TextTable table;
    for (const calc::HarmonicLimitCheck& check : spurious.checks) {
        const std::string verdict = check.meetsLimit ? "pass, " + Db(check.marginDb) + " to spare"
                                                     : "FAIL, " + Db(-check.marginDb) + " short";
        table.AddRow({Ordinal(check.harmonic), Db(check.attenuationDb), verdict});
    }
    table.LeftAlign(2);
    table.AppendTo(out, 4);
}

void AppendStress(std::string& out, const calc::PiNetworkStress& stress) {
    out += "\n  At " + ShortestText(stress.antennaWatts) + " W into the antenna\n";
    TextTable table;
    table.AddRow({"", "V rms", "V peak", "A rms", "A peak", "VA reactive"});
    const auto part = [&table](std::string name, const calc::ComponentStress& c) {
        table.AddRow({std::move(name), Significant(c.rmsVolts, 4), Significant(c.peakVolts, 4),
                      Significant(c.rmsAmps, 4), Significant(c.peakAmps, 4),
                      Significant(c.reactiveVoltAmps, 4)});
    };
    part("C1", stress.c1);
    part("L", stress.l);
    part("C2", stress.c2);
    table.AppendTo(out, 4);
    out += "    Plate: " + Significant(stress.plateRmsVolts, 4) + " V rms, " +
           Significant(stress.plateRmsAmps, 4) + " A rms, " + Significant(stress.plateWatts, 4) +
           " W\n";
}

}  // namespace

void AppendNetworkReportText(std::string& out, const NetworkReport& report) {
    const calc::PiNetworkAnalysis& analysis = report.analysis;
    out += "\nAnalysis of this network (lossless, at the true 2 pi)\n";
    if (!analysis.analyzable) {
        out +=
            "  The components do not make a network that can be analysed (a value is\n"
            "  zero, negative or not finite).\n";
        return;
    }
    AppendMatchAndBandwidth(out, analysis);
    AppendHarmonics(out, analysis);
    if (report.spurious) AppendSpurious(out, *report.spurious, report.stress);
    if (report.stress) {
        AppendStress(out, *report.stress);
    } else {
        out += "\n  --power W adds the voltages and currents of C1, L and C2 at that power.\n";
    }
}

}  // namespace tavilo::cli
