// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil formula's accuracy, written.
#include "cli/output_coil_accuracy.h"

#include "cli/number_text.h"
#include "cli/output_json.h"
#include "cli/readable_number.h"
#include "cli/text_table.h"

namespace tavilo::cli {

void AppendCoilAccuracyText(std::string& out, const calc::CoilAccuracy& accuracy) {
    out += "\nThe formula against the current sheet (Nagaoka's coefficient)\n";
    TextTable table;
    table.LeftAlign(1);
    table.AddRow({"Length / diameter", Significant(accuracy.lengthToDiameter, 4)});
    table.AddRow({"Nagaoka's coefficient", Decimals(accuracy.nagaokaCoefficient, 4)});
    table.AddRow({"Current-sheet L", Significant(accuracy.currentSheetUh, 6) + " uH"});
    table.AddRow({"Formula's difference", Significant(accuracy.wheelerDifferencePercent, 3) +
                                              " % (formula - current sheet)"});
    table.AppendTo(out);
    if (accuracy.wheelerReadsLow) {
        out +=
            "  Warning: the coil is shorter than 0.4 x its diameter. The formula reads\n"
            "  more than 0.5 % low for so short a coil: trust the current-sheet L.\n";
    }
}

void AppendCoilAccuracyJson(std::string& out, const calc::CoilAccuracy& accuracy) {
    out += ",\"accuracy\":{\"length_to_diameter\":";
    AppendJsonNumber(out, accuracy.lengthToDiameter);
    out += ",\"nagaoka_k\":";
    AppendJsonNumber(out, accuracy.nagaokaCoefficient);
    out += ",\"current_sheet_uh\":";
    AppendJsonNumber(out, accuracy.currentSheetUh);
    out += ",\"wheeler_uh\":";
    AppendJsonNumber(out, accuracy.wheelerUh);
    out += ",\"wheeler_difference_percent\":";
    AppendJsonNumber(out, accuracy.wheelerDifferencePercent);
    out += accuracy.wheelerReadsLow ? ",\"short_coil_warning\":true}"
                                    : ",\"short_coil_warning\":false}";
}

void AppendCoilAccuracyCsvHeader(std::string& out) {
    out +=
        ",length_to_diameter,nagaoka_k,current_sheet_uh,wheeler_difference_percent,"
        "short_coil_warning";
}

void AppendCoilAccuracyCsvCells(std::string& out, const calc::CoilAccuracy* accuracy) {
    if (accuracy == nullptr) {
        out += ",,,,,";
        return;
    }
    for (const double value : {accuracy->lengthToDiameter, accuracy->nagaokaCoefficient,
                               accuracy->currentSheetUh, accuracy->wheelerDifferencePercent}) {
        out += ',';
        AppendShortest(out, value);
    }
    out += accuracy->wheelerReadsLow ? ",true" : ",false";
}

}  // namespace tavilo::cli
