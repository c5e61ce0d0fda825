// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The bands command's description and its frequency list.
#include "cli/bands_job.h"

#include <algorithm>

#include "cli/pi_job.h"
#include "platform/field_text.h"

namespace tavilo::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::array<InputField, kPiInputCount> BandsInputs() {
    std::array<InputField, kPiInputCount> inputs{};
    std::copy(PiJobLayout().inputs.begin(), PiJobLayout().inputs.end(), inputs.begin());
    inputs[kPiFreq] = {"freqs", "freq_mhz", "Frequency", "MHz", InputKind::FieldTextList};
    return inputs;
}

}  // namespace

const JobLayout& BandsJobLayout() {
    static const std::array<InputField, kPiInputCount> inputs = BandsInputs();
    static const JobLayout layout{
        "bands", "Pi network across the bands", inputs, PiJobLayout().results,
        true,    Supplement::MinimumC1Mark,     false};
    return layout;
}

std::variant<std::vector<std::string>, FrequencyListProblem> SplitFrequencyList(
    std::string_view list) {
    std::vector<std::string> entries;
    std::size_t place = 0;
    while (true) {
        ++place;
        const std::size_t comma = list.find(',');
        const std::string_view entry = list.substr(0, comma);
        if (std::all_of(entry.begin(), entry.end(), IsBlank)) {
            return FrequencyListProblem{"entry " + std::to_string(place) +
                                        " is empty; give MHz values separated by commas, as "
                                        "in 7.1,14.175"};
        }
        if (platform::ParsedLength(entry) == 0) {
            return FrequencyListProblem{"entry " + std::to_string(place) + " \"" +
                                        std::string(entry) + "\" is not a number of MHz"};
        }
        entries.emplace_back(entry);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return entries;
}

}  // namespace tavilo::cli
