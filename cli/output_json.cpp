// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The JSON Lines writer. Objects are written directly rather than built as a
// document first: a batch of a million rows must not allocate a tree per row,
// and the numbers must be the shortest round-trip texts (std::to_chars), which
// JSON libraries do not promise.
#include "cli/output_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "cli/number_text.h"
#include "cli/output_analysis_json.h"
#include "cli/output_coil_accuracy.h"

namespace tavilo::cli {

void AppendJsonNumber(std::string& out, double value) {
    if (std::isfinite(value)) {
        AppendShortest(out, value);
    } else {
        out += '"';
        AppendShortest(out, value);
        out += '"';
    }
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto needsEscape = [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    };
    out += '"';
    // The window's texts never need escaping: copy them whole.
    if (std::none_of(text.begin(), text.end(), needsEscape)) {
        out += text;
        out += '"';
        return;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    out += '"';
}

void JsonWriter::Write(std::size_t row, std::span<const std::string> inputs,
                       const DesignRecord& record) {
    const JobLayout& layout = Layout();
    std::string& out = Buffer();
    const bool designed = record.status == DesignStatus::Designed;

    std::array<char, 24> digits{};
    out += "{\"row\":";
    out.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), row).ptr);
    // An input that changes from row to row of one command line (bands'
    // frequencies) names the row.
    for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        if (layout.inputs[i].kind != InputKind::FieldTextList) continue;
        out += ",\"";
        out += layout.inputs[i].column;
        out += "\":";
        AppendJsonString(out, inputs[i]);
    }
    out += designed ? ",\"status\":\"designed\"" : ",\"status\":\"q0-too-low\"";
    if (record.hasQ0Bound) {
        out += ",\"q0_bound\":";
        AppendJsonNumber(out, record.q0Bound);
    }
    if (designed) {
        for (std::size_t i = 0; i < record.resultCount; ++i) {
            out += ",\"";
            out += layout.results[i].key;
            out += "\":";
            AppendJsonNumber(out, record.results[i].number);
        }
        if (layout.supplement == Supplement::MinimumC1Mark) {
            out += record.c1AtMinimum ? ",\"c1_at_minimum\":true" : ",\"c1_at_minimum\":false";
        }
        out += ",\"text\":{";
        for (std::size_t i = 0; i < record.resultCount; ++i) {
            if (i > 0) out += ',';
            out += '"';
            out += layout.results[i].key;
            out += "\":";
            AppendJsonString(out, record.results[i].text);
        }
        out += '}';
        if (record.analysis) AppendNetworkReportJson(out, *record.analysis);
        if (record.coilAccuracy) AppendCoilAccuracyJson(out, *record.coilAccuracy);
    }
    if (!record.message.empty()) {
        out += ",\"message\":";
        AppendJsonString(out, record.message);
    }
    out += "}\n";
    Commit();
}

}  // namespace tavilo::cli
