// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The text writer.
#include "cli/output_text.h"

#include <algorithm>

#include "cli/number_text.h"
#include "cli/output_analysis_text.h"
#include "cli/output_coil_accuracy.h"
#include "ui/calculate_command.h"

namespace tavilo::cli {

namespace {

void AppendLine(std::string& out, std::size_t labelWidth, std::string_view label,
                std::string_view value, std::string_view unit) {
    out += "  ";
    out += label;
    out.append(labelWidth - label.size() + 2, ' ');
    out += value;
    if (!unit.empty()) {
        out += ' ';
        out += unit;
    }
    out += '\n';
}

}  // namespace

void TextWriter::Write(std::size_t row, std::span<const std::string> inputs,
                       const DesignRecord& record) {
    const JobLayout& layout = Layout();
    std::string& out = Buffer();

    std::size_t labelWidth = 0;
    for (const InputField& input : layout.inputs)
        labelWidth = std::max(labelWidth, input.label.size());
    for (const ResultField& result : layout.results) {
        labelWidth = std::max(labelWidth, result.label.size());
    }

    if (!first_) out += '\n';
    first_ = false;
    out += layout.title;
    if (rowHeadings_) out += ", row " + std::to_string(row);
    out += '\n';

    for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        const InputField& input = layout.inputs[i];
        if (input.kind != InputKind::CapsChoice) {
            AppendLine(out, labelWidth, input.label, inputs[i], input.unit);
        } else {
            // The capacitor choice: the minimum it set, and the word given.
            std::string value = ShortestText(record.capMinPf);
            std::string unit(input.unit);
            if (!inputs[i].empty() && inputs[i] != value) unit += " (" + inputs[i] + ")";
            AppendLine(out, labelWidth, input.label, value, unit);
        }
    }
    out += '\n';

    if (record.status != DesignStatus::Designed) {
        out += "  Not designed. ";
        out += ui::kImproperInputCaption;
        out += ": ";
        out += record.message;
        out += "\n  (--raise-q answers OK: Q0 becomes the bound + 1.)\n";
        Commit();
        return;
    }

    // Right-aligned, so that the decimal points of the "%f" texts line up.
    std::size_t textWidth = 0;
    for (std::size_t i = 0; i < record.resultCount; ++i) {
        textWidth = std::max(textWidth, record.results[i].text.size());
    }
    for (std::size_t i = 0; i < record.resultCount; ++i) {
        const std::string& text = record.results[i].text;
        AppendLine(out, labelWidth, layout.results[i].label,
                   std::string(textWidth - text.size(), ' ') + text, layout.results[i].unit);
    }
    if (record.q0Raised) {
        out += "  Q0 is the bound + 1: the Q0 prompt was answered OK (";
        out += record.message;
        out += ")\n";
    }
    if (record.analysis) AppendNetworkReportText(out, *record.analysis);
    if (record.coilAccuracy) AppendCoilAccuracyText(out, *record.coilAccuracy);
    Commit();
}

}  // namespace tavilo::cli
