// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The band table. Its columns are as wide as their widest text, so it is laid
// out once every row is in.
#include "cli/output_bands_text.h"

#include <algorithm>

#include "cli/number_text.h"
#include "cli/text_table.h"
#include "ui/calculate_command.h"

namespace tavilo::cli {

void BandsTextWriter::Write(std::size_t, std::span<const std::string> inputs,
                            const DesignRecord& record) {
    Row row;
    row.inputs.assign(inputs.begin(), inputs.end());
    row.status = record.status;
    for (std::size_t i = 0; i < record.resultCount; ++i)
        row.texts.push_back(record.results[i].text);
    row.c1AtMinimum = record.c1AtMinimum;
    row.q0Raised = record.q0Raised;
    row.capMinPf = record.capMinPf;
    row.message = record.message;
    rows_.push_back(std::move(row));
}

void BandsTextWriter::End() {
    if (rows_.empty()) return;
    const JobLayout& layout = Layout();
    std::string& out = Buffer();
    const Row& first = rows_.front();

    // The inputs that every row shares.
    out += layout.title;
    out += '\n';
    TextTable shared;
    shared.LeftAlign(1);
    std::size_t frequencyInput = 0;
    for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        const InputField& input = layout.inputs[i];
        std::string value = first.inputs[i];
        if (input.kind == InputKind::FieldTextList) {
            frequencyInput = i;
            continue;
        }
        if (input.kind == InputKind::CapsChoice) {
            value = ShortestText(first.capMinPf);
            if (!first.inputs[i].empty() && first.inputs[i] != value) {
                value += " " + std::string(input.unit) + " (" + first.inputs[i] + ")";
            } else {
                value += " " + std::string(input.unit);
            }
        } else if (!input.unit.empty()) {
            value += " " + std::string(input.unit);
        }
        shared.AddRow({std::string(input.label), value});
    }
    shared.AppendTo(out);
    out += '\n';

    TextTable table;
    table.LeftAlign(0);
    std::vector<std::string> heading{std::string(layout.inputs[frequencyInput].label) + " " +
                                     std::string(layout.inputs[frequencyInput].unit)};
    for (const ResultField& result : layout.results) {
        heading.push_back(std::string(result.label) +
                          (result.unit.empty() ? "" : " " + std::string(result.unit)));
    }
    // The star follows Q0, the result it marks; a blank keeps the points aligned.
    heading[1] += ' ';
    table.AddRow(heading);

    const Row* marked = nullptr;
    const Row* raised = nullptr;
    const Row* stopped = nullptr;
    for (const Row& row : rows_) {
        std::vector<std::string> cells{row.inputs[frequencyInput]};
        if (row.status != DesignStatus::Designed) {
            cells.push_back("not designed: Q0 does not exceed its bound");
            table.AddRemarkRow(std::move(cells));
            stopped = stopped != nullptr ? stopped : &row;
            continue;
        }
        cells.insert(cells.end(), row.texts.begin(), row.texts.end());
        cells[1] += row.c1AtMinimum ? '*' : ' ';
        if (row.c1AtMinimum && marked == nullptr) marked = &row;
        if (row.q0Raised && raised == nullptr) raised = &row;
        table.AddRow(std::move(cells));
    }
    table.AppendTo(out);

    if (marked != nullptr) {
        out += "\n  * C1 is held at the capacitor's minimum, " + ShortestText(marked->capMinPf) +
               " pF: Q0 is worked out again\n    from it and is higher than asked.\n";
    }
    if (raised != nullptr) {
        out +=
            "\n  Q0 is the bound + 1: the Q0 prompt was answered OK\n  (" + raised->message + ")\n";
    }
    if (stopped != nullptr) {
        out += "\n  Not designed. ";
        out += ui::kImproperInputCaption;
        out += ": " + stopped->message + "\n  (--raise-q answers OK: Q0 becomes the bound + 1.)\n";
    }
    rows_.clear();
    Commit();
}

}  // namespace tavilo::cli
