// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The bands command: the pi job's design at each of a list of frequencies,
// by default the middle of every HF amateur band and 6 m.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/job.h"

namespace tavilo::cli {

// MHz, as field texts: 160 m to 10 m, then 6 m.
inline constexpr std::array<std::string_view, 10> kBandCentresMhz{
    "1.85", "3.65", "7.1", "10.125", "14.175", "18.118", "21.225", "24.94", "28.85", "50.5"};

// The pi job's inputs with the frequency given as a list, and its results;
// the rows mark whether C1 was held at the capacitor's minimum. Takes no
// batch.
const JobLayout& BandsJobLayout();

// What is wrong with a --freqs list.
struct FrequencyListProblem {
    std::string message;
};

// The field texts of a comma-separated list, in order. Blanks around an entry
// are kept, as a field keeps them. An entry that is empty or does not begin
// with a number is a problem, named by its place in the list.
std::variant<std::vector<std::string>, FrequencyListProblem> SplitFrequencyList(
    std::string_view list);

}  // namespace tavilo::cli
