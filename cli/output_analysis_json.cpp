// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The analysis as JSON. The keys are fixed: what needs --power or
// --spurious-limit is null without it.
#include "cli/output_analysis_json.h"

#include <string_view>

#include "cli/output_json.h"

namespace tavilo::cli {

namespace {

void Key(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += "\":";
}

void Number(std::string& out, std::string_view key, double value) {
    Key(out, key);
    AppendJsonNumber(out, value);
}

void Complex(std::string& out, std::string_view key, std::complex<double> value) {
    Key(out, key);
    Number(out += '{', "re", value.real());
    Number(out += ',', "im", value.imag());
    out += '}';
}

void Part(std::string& out, std::string_view key, const calc::ComponentStress& part) {
    Key(out, key);
    Number(out += '{', "rms_v", part.rmsVolts);
    Number(out += ',', "peak_v", part.peakVolts);
    Number(out += ',', "rms_a", part.rmsAmps);
    Number(out += ',', "peak_a", part.peakAmps);
    Number(out += ',', "reactive_va", part.reactiveVoltAmps);
    out += '}';
}

void Stress(std::string& out, const std::optional<calc::PiNetworkStress>& stress) {
    if (!stress) {
        out += ",\"power_w\":null,\"plate_rms_v\":null,\"plate_rms_a\":null,\"stress\":null";
        return;
    }
    Number(out += ',', "power_w", stress->antennaWatts);
    Number(out += ',', "plate_rms_v", stress->plateRmsVolts);
    Number(out += ',', "plate_rms_a", stress->plateRmsAmps);
    Key(out += ',', "stress");
    Part(out += '{', "c1", stress->c1);
    Part(out += ',', "l", stress->l);
    Part(out += ',', "c2", stress->c2);
    out += '}';
}

void Spurious(std::string& out, const std::optional<SpuriousReport>& spurious) {
    Key(out += ',', "spurious");
    if (!spurious) {
        out += "null";
        return;
    }
    Number(out += '{', "limit_db", spurious->limitDb);
    out += spurious->fromPower ? ",\"rule\":\"43 + 10 log10(P)\"" : ",\"rule\":\"given\"";
    Key(out += ',', "harmonics");
    out += '[';
    for (std::size_t i = 0; i < spurious->checks.size(); ++i) {
        const calc::HarmonicLimitCheck& check = spurious->checks[i];
        if (i > 0) out += ',';
        Key(out += '{', "n");
        out += std::to_string(check.harmonic);
        Number(out += ',', "attenuation_db", check.attenuationDb);
        Number(out += ',', "margin_db", check.marginDb);
        out += check.meetsLimit ? ",\"pass\":true}" : ",\"pass\":false}";
    }
    out += "]}";
}

}  // namespace

void AppendNetworkReportJson(std::string& out, const NetworkReport& report) {
    const calc::PiNetworkAnalysis& analysis = report.analysis;
    out += ",\"analysis\":{";
    out += analysis.analyzable ? "\"analyzable\":true" : "\"analyzable\":false";
    Complex(out += ',', "zin_ohms", analysis.match.plateImpedanceOhms);
    Number(out += ',', "match_error", analysis.match.relativeError);
    Number(out += ',', "swr", analysis.match.swr);
    Complex(out += ',', "transfer_ohms", analysis.transferImpedanceOhms);
    Key(out += ',', "harmonic_db");
    for (std::size_t i = 0; i < analysis.harmonics.size(); ++i) {
        out += i == 0 ? '[' : ',';
        AppendJsonNumber(out, analysis.harmonics[i].attenuationDb);
    }
    Key(out += "],", "harmonic_hz");
    for (std::size_t i = 0; i < analysis.harmonics.size(); ++i) {
        out += i == 0 ? '[' : ',';
        AppendJsonNumber(out, analysis.harmonics[i].frequencyHz);
    }
    Number(out += "],", "bandwidth_hz", analysis.bandwidth.bandwidthHz);
    Number(out += ',', "lower_edge_hz", analysis.bandwidth.lowerEdgeHz);
    Number(out += ',', "upper_edge_hz", analysis.bandwidth.upperEdgeHz);
    Number(out += ',', "operating_q", analysis.bandwidth.operatingQ);
    Stress(out, report.stress);
    Spurious(out, report.spurious);
    out += '}';
}

}  // namespace tavilo::cli
