// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis as CSV cells: numbers in their shortest round-trip texts.
#include "cli/output_analysis_csv.h"

#include <array>
#include <string_view>

#include "cli/number_text.h"

namespace tavilo::cli {

namespace {

constexpr std::array<std::string_view, 13> kAnalysisColumns{
    "zin_re_ohms",   "zin_im_ohms", "match_error", "swr",          "h2_db",
    "h3_db",         "h4_db",       "h5_db",       "bandwidth_hz", "lower_edge_hz",
    "upper_edge_hz", "operating_q", "power_w"};

constexpr std::array<std::string_view, 3> kParts{"c1", "l", "c2"};
constexpr std::array<std::string_view, 5> kPartColumns{"rms_v", "peak_v", "rms_a", "peak_a",
                                                       "reactive_va"};

static_assert(calc::kHarmonicCount == 4, "one column for each of h2_db to h5_db");

void Cell(std::string& out, double value) {
    out += ',';
    AppendShortest(out, value);
}

void EmptyCells(std::string& out, std::size_t count) {
    out.append(count, ',');
}

}  // namespace

void AppendNetworkReportCsvHeader(std::string& out) {
    for (const std::string_view column : kAnalysisColumns) {
        out += ',';
        out += column;
    }
    out += ",plate_rms_v,plate_rms_a";
    for (const std::string_view part : kParts) {
        for (const std::string_view column : kPartColumns) {
            out += ',';
            out += part;
            out += '_';
            out += column;
        }
    }
    out += ",spurious_limit_db,h2_spurious,h3_spurious";
}

void AppendNetworkReportCsvCells(std::string& out, const NetworkReport* report) {
    constexpr std::size_t kStressCells = 2 + kParts.size() * kPartColumns.size();
    if (report == nullptr) {
        EmptyCells(out, kAnalysisColumns.size() + kStressCells + 3);
        return;
    }
    const calc::PiNetworkAnalysis& analysis = report->analysis;
    Cell(out, analysis.match.plateImpedanceOhms.real());
    Cell(out, analysis.match.plateImpedanceOhms.imag());
    Cell(out, analysis.match.relativeError);
    Cell(out, analysis.match.swr);
    for (const calc::HarmonicAttenuation& harmonic : analysis.harmonics) {
        Cell(out, harmonic.attenuationDb);
    }
    Cell(out, analysis.bandwidth.bandwidthHz);
    Cell(out, analysis.bandwidth.lowerEdgeHz);
    Cell(out, analysis.bandwidth.upperEdgeHz);
    Cell(out, analysis.bandwidth.operatingQ);

    if (report->stress) {
        const calc::PiNetworkStress& stress = *report->stress;
        Cell(out, stress.antennaWatts);
        Cell(out, stress.plateRmsVolts);
        Cell(out, stress.plateRmsAmps);
        for (const calc::ComponentStress* part : {&stress.c1, &stress.l, &stress.c2}) {
            Cell(out, part->rmsVolts);
            Cell(out, part->peakVolts);
            Cell(out, part->rmsAmps);
            Cell(out, part->peakAmps);
            Cell(out, part->reactiveVoltAmps);
        }
    } else {
        EmptyCells(out, 1 + kStressCells);
    }

    if (report->spurious) {
        Cell(out, report->spurious->limitDb);
        for (const calc::HarmonicLimitCheck& check : report->spurious->checks) {
            out += check.meetsLimit ? ",pass" : ",fail";
        }
    } else {
        EmptyCells(out, 3);
    }
}

}  // namespace tavilo::cli
