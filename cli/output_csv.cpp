// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The CSV writer. Lines end in a line feed, as text on this system does;
// every RFC 4180 reader accepts it.
#include "cli/output_csv.h"

#include "cli/output_analysis_csv.h"
#include "cli/output_coil_accuracy.h"

namespace tavilo::cli {

namespace {

constexpr std::string_view kLineEnd = "\n";

}  // namespace

void AppendCsvCell(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void CsvWriter::Begin() {
    std::string& out = Buffer();
    for (const InputField& input : Layout().inputs) {
        out += input.column;
        out += ',';
    }
    out += "status";
    for (const ResultField& result : Layout().results) {
        out += ",text_";
        out += result.key;
    }
    switch (Layout().supplement) {
        case Supplement::NetworkAnalysis:
            AppendNetworkReportCsvHeader(out);
            break;
        case Supplement::MinimumC1Mark:
            out += ",c1_at_minimum";
            break;
        case Supplement::CoilAccuracy:
            AppendCoilAccuracyCsvHeader(out);
            break;
        case Supplement::None:
            break;
    }
    out += ",message";
    out += kLineEnd;
    Commit();
}

void CsvWriter::Write(std::size_t, std::span<const std::string> inputs,
                      const DesignRecord& record) {
    std::string& out = Buffer();
    for (const std::string& input : inputs) {
        AppendCsvCell(out, input);
        out += ',';
    }
    const bool designed = record.status == DesignStatus::Designed;
    out += designed ? "designed" : "q0-too-low";
    for (std::size_t i = 0; i < Layout().results.size(); ++i) {
        out += ',';
        if (designed) AppendCsvCell(out, record.results[i].text);
    }
    switch (Layout().supplement) {
        case Supplement::NetworkAnalysis:
            AppendNetworkReportCsvCells(out, record.analysis ? &*record.analysis : nullptr);
            break;
        case Supplement::MinimumC1Mark:
            out += ',';
            if (designed) out += record.c1AtMinimum ? "true" : "false";
            break;
        case Supplement::CoilAccuracy:
            AppendCoilAccuracyCsvCells(out, record.coilAccuracy ? &*record.coilAccuracy : nullptr);
            break;
        case Supplement::None:
            break;
    }
    out += ',';
    AppendCsvCell(out, record.message);
    out += kLineEnd;
    Commit();
}

}  // namespace tavilo::cli
