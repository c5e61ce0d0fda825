// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The texts of --help. The man page is made from them by help2man, so they
// are laid out for it too: "Usage:" and "or:" lines, tagged lists, headings
// ending in a colon, and examples after "$ ".
#pragma once

#include <string>
#include <string_view>

#include "cli/command.h"

namespace tavilo::cli {

inline constexpr std::string_view kBatchHelp =
    "Design every row of a CSV file (- for standard input)";
inline constexpr std::string_view kFormatHelp =
    "Output: text (default for one design), csv (default for --batch) or json";
inline constexpr std::string_view kCapsHelp =
    "Capacitor for C1: air (45 pF), vacuum (35 pF) or its minimum in pF; default air";
inline constexpr std::string_view kRaiseQHelp =
    "Answer the Q0 prompt with OK: go on with the bound + 1";
inline constexpr std::string_view kFreqsHelp =
    "Frequencies in MHz, comma-separated field texts; default the middle of each HF band and "
    "of 6 m";
inline constexpr std::string_view kPowerHelp =
    "Power into the antenna in watts: adds the voltages and currents of C1, L and C2";
inline constexpr std::string_view kLimitHelp =
    "Hold the 2nd and 3rd harmonics to this many dB below the carrier; auto is "
    "43 + 10 log10(P) and needs --power";
inline constexpr std::string_view kPlotHelp =
    "Write the transfer from 0.5 f to 5.5 f, harmonics marked, as an SVG file (one design)";

std::string ProgramDescription();
std::string CommandDescription(Command command);
std::string InputHelp(const InputField& input);

// The synopsis lines: of every command, or of one.
std::string ProgramUsage();
std::string CommandUsage(const JobLayout& layout);

// What follows the option lists in --help.
std::string ProgramFooter();
std::string CommandFooter(const JobLayout& layout);

}  // namespace tavilo::cli
