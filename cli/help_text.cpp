// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Help texts, built from the job descriptions so that option and column
// names are written in one place only.
#include "cli/help_text.h"

#include <algorithm>

#include "cli/bands_job.h"
#include "cli/exit_status.h"

namespace tavilo::cli {

namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kTagWidth = 28;  // where an option's description begins

// Wraps text into lines of at most kWidth, the first after `first`, the others
// indented by `indent` spaces.
std::string Wrap(std::string_view first, std::size_t indent, std::string_view text) {
    std::string out(first);
    std::size_t column = out.size();
    bool lineEmpty = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!lineEmpty && column + 1 + word.size() > kWidth) {
            out += '\n';
            out.append(indent, ' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    return out + '\n';
}

// "  TAG  description", the description wrapped and aligned.
std::string Tagged(std::string_view tag, std::string_view description,
                   std::size_t tagWidth = kTagWidth) {
    std::string first = "  " + std::string(tag);
    if (first.size() + 2 > tagWidth) {
        first += "  ";
    } else {
        first.append(tagWidth - first.size(), ' ');
    }
    return Wrap(first, tagWidth, description);
}

std::string OptionName(const InputField& input) {
    switch (input.kind) {
        case InputKind::CapsChoice:
            return "--" + std::string(input.option) + " air|vacuum|PF";
        case InputKind::FieldTextList:
            return "--" + std::string(input.option) + " LIST";
        case InputKind::FieldText:
            break;
    }
    return "--" + std::string(input.option) + " T";
}

// Analyze's options beyond the design's, as the synopsis and the lists name them.
struct ExtraOption {
    std::string_view name;
    std::string_view help;
};

constexpr ExtraOption kAnalysisOptions[] = {
    {"--power W", kPowerHelp},
    {"--spurious-limit DB|auto", kLimitHelp},
    {"--plot FILE.svg", kPlotHelp},
};

std::string ColumnList(const JobLayout& layout) {
    std::string list;
    for (const InputField& input : layout.inputs) {
        if (!list.empty()) list += ',';
        list += input.column;
    }
    return list;
}

}  // namespace

std::string ProgramDescription() {
    return "Designs the pi-network tank of a tube transmitter, and the single-layer coil\n"
           "for its inductor, with the very commands of Tavilo's windows.\n";
}

std::string CommandDescription(Command command) {
    switch (command) {
        case Command::Pi:
            return "Design a pi network (the main window's Calculate)";
        case Command::Analyze:
            return "Design as pi does and analyse the network";
        case Command::Bands:
            return "One pi design for each band (or --freqs entry)";
        case Command::Turns:
            return "Turns for an inductance (the coil window's Calc. Turns)";
        case Command::Inductance:
            return "Inductance of a winding (the coil window's Calc. L)";
    }
    return {};
}

std::string InputHelp(const InputField& input) {
    if (input.kind == InputKind::CapsChoice) return std::string(kCapsHelp);
    if (input.kind == InputKind::FieldTextList) return std::string(kFreqsHelp);
    std::string help(input.label);
    if (!input.unit.empty()) help += ", " + std::string(input.unit);
    return help;
}

std::string CommandUsage(const JobLayout& layout) {
    std::string usage = "tavilo-cli " + std::string(layout.command);
    for (const InputField& input : layout.inputs) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on
        // "literal" + std::string at -O3.
        const bool optional = input.kind != InputKind::FieldText;
        usage += optional ? " [" : " ";
        usage += OptionName(input);
        if (optional) usage += "]";
    }
    if (layout.hasQ0Bound) usage += " [--raise-q]";
    if (layout.supplement == Supplement::NetworkAnalysis) {
        for (const ExtraOption& option : kAnalysisOptions) {
            usage += " [" + std::string(option.name) + "]";
        }
    }
    return usage + " [--format text|csv|json]";
}

std::string ProgramUsage() {
    std::string usage;
    for (const Command command : kCommands) {
        usage += (usage.empty() ? "Usage: " : "   or: ") + CommandUsage(LayoutOf(command)) + "\n";
    }
    usage +=
        "   or: tavilo-cli pi|analyze|turns|inductance --batch FILE [--caps ...] [--raise-q] "
        "[--format ...]\n";
    usage += "   or: tavilo-cli [--help | --version]\n";
    return usage;
}

std::string ProgramFooter() {
    std::string text;
    for (const Command command : kCommands) {
        const JobLayout& layout = LayoutOf(command);
        text += "Options of " + std::string(layout.command) + ":\n";
        for (const InputField& input : layout.inputs) {
            text += Tagged(OptionName(input), InputHelp(input));
        }
        if (layout.hasQ0Bound) text += Tagged("--raise-q", kRaiseQHelp);
        if (layout.supplement == Supplement::NetworkAnalysis) {
            for (const ExtraOption& option : kAnalysisOptions) {
                text += Tagged(option.name, option.help);
            }
        }
        text += '\n';
    }
    text += "Options of every command:\n";
    text += Tagged("--batch FILE", std::string(kBatchHelp) + "; not for bands");
    text += Tagged("--format text|csv|json", kFormatHelp);
    text += '\n';

    text += "Values:\n";
    text += Wrap("  ", 2,
                 "Every value T is a field text, read exactly as the window reads it: the leading "
                 "number counts and the rest is ignored, so 5k reads as 5 and a text without a "
                 "number as 0. A warning on standard error names every value with characters "
                 "after its number. Impedances are in ohms, the frequency in MHz, inductance in "
                 "uH, coil dimensions in inches. The capacitor choices air and vacuum press the "
                 "window's capacitor buttons; a number sets the minimum C1 in pF.");
    text += '\n';

    text += "Batches:\n";
    text += Wrap("  ", 2,
                 "With --batch FILE every row of a CSV file (RFC 4180) is designed. The header "
                 "row names the columns, in any order:");
    text += '\n';
    for (const Command command : kCommands) {
        const JobLayout& layout = LayoutOf(command);
        if (layout.takesBatch) text += Tagged(layout.command, ColumnList(layout), 14);
    }
    text += '\n';
    text += Wrap("  ", 2,
                 "A cell's text, blanks included, is the field text. cap_min_pf is air, vacuum "
                 "or a number of pF; empty means --caps. Blank lines are skipped. A row that "
                 "cannot be read (not CSV, or the wrong number of cells) is named on standard "
                 "error by file, line and column and writes nothing; every other row is still "
                 "designed. Records come out in input order, numbered from 1 after the header.");
    text += '\n';

    text += "The Q0 prompt:\n";
    text += Wrap("  ", 2,
                 "When Q0 does not exceed its bound, sqrt(plate/antenna - 1), the window asks "
                 "whether to go on with the bound + 1. --raise-q answers OK. Without it the "
                 "design is not made (Cancel): its status is q0-too-low and its message the "
                 "prompt's text. One design with a terminal on standard input and standard "
                 "error asks there instead; a batch never asks.");
    text += '\n';

    text += "Analysis (analyze):\n";
    text += Wrap("  ", 2,
                 "analyze designs as pi does, then analyses the lossless network it designed, "
                 "with the true 2 pi: the impedance Zin that the plate sees, its relative error "
                 "against the plate impedance, the SWR at the plate, the attenuation of the "
                 "harmonics 2 to 5 in the antenna below the fundamental for equal plate current "
                 "(the network alone; the level on the air also depends on the tube's own "
                 "harmonic currents), the "
                 "half-power bandwidth and the operating Q (frequency / bandwidth). --power W "
                 "adds the RMS and peak voltage, current and reactive power of C1, L and C2 with "
                 "W watts into the antenna. --spurious-limit holds the 2nd and 3rd harmonics to "
                 "the limit: pass or fail, with the margin.");
    text += '\n';

    std::string centres;
    for (std::size_t i = 0; i < kBandCentresMhz.size(); ++i) {
        if (i > 0) centres += i + 1 == kBandCentresMhz.size() ? " and " : ", ";
        centres += kBandCentresMhz[i];
    }
    text += "Bands (bands):\n";
    text +=
        Wrap("  ", 2,
             "bands designs the network at every frequency of --freqs with the command of "
             "pi; by default at " +
                 centres +
                 " MHz. A star after Q0 (c1_at_minimum in csv and json) marks a row whose C1 is "
                 "held at the capacitor's minimum: its Q0 is worked out again from it and is "
                 "higher than asked. Every row meets the same Q0 prompt; a terminal is asked "
                 "once. An empty --freqs entry, or one that does not begin with a number, is a "
                 "command-line error.");
    text += '\n';

    text += "Coil accuracy (turns, inductance):\n";
    text += Wrap("  ", 2,
                 "Beside the window's results, which are unchanged, both coil commands compare "
                 "the coil formula (Wheeler's) with the inductance of the same winding as a "
                 "current sheet (Nagaoka's coefficient): the length-to-diameter ratio, the "
                 "current-sheet inductance and the formula's difference from it in percent. "
                 "Under a length of 0.4 x the diameter they warn that the formula reads more "
                 "than 0.5 % low.");
    text += '\n';

    text += "Output formats:\n";
    text += Tagged("text", "readable and aligned, with units (the default for one design)", 8);
    text += Tagged("csv",
                   "the input columns, status, the window's texts (text_q0, ...), the columns "
                   "of analyze, bands or the coil accuracy (named as the json keys: zin_re_ohms, "
                   "h2_db, ..., c1_rms_v, ..., h2_spurious; c1_at_minimum; length_to_diameter, "
                   "...), and message (the default for --batch)",
                   8);
    text += Tagged("json",
                   "one object per line: row, status (designed or q0-too-low), q0_bound (pi), "
                   "the results as numbers (q0, q1, q2, c1_pf, c2_pf, l_uh; turns or l_uh, and "
                   "spacing_in), text: an object of the same keys holding the window's texts, "
                   "and message when the Q0 prompt came. bands adds freq_mhz (the entry's "
                   "text) and c1_at_minimum. analyze adds an object analysis: analyzable, "
                   "zin_ohms {re, im}, match_error, swr, transfer_ohms {re, im}, harmonic_db and "
                   "harmonic_hz (arrays from n = 2), bandwidth_hz, lower_edge_hz, upper_edge_hz, "
                   "operating_q, power_w, plate_rms_v, plate_rms_a, stress {c1, l, c2: rms_v, "
                   "peak_v, rms_a, peak_a, reactive_va} and spurious {limit_db, rule, harmonics: "
                   "[{n, attenuation_db, margin_db, pass}]}; what needs an option not given is "
                   "null. turns and inductance add an object accuracy: length_to_diameter, "
                   "nagaoka_k, current_sheet_uh, wheeler_uh, wheeler_difference_percent, "
                   "short_coil_warning. Numbers are the shortest texts that read back as the same "
                   "double; infinities and NaN are the strings \"inf\", \"-inf\" and \"nan\".",
                   8);
    text += '\n';

    text += "Exit status:\n";
    for (const ExitStatusText& entry : kExitStatusTexts) {
        text += Tagged(std::to_string(ToInt(entry.status)), entry.meaning, 5);
    }
    text += '\n';

    text +=
        "Examples:\n"
        "  $ tavilo-cli pi --plate 5000 --antenna 50 --q0 12 --freq 30 --caps vacuum\n"
        "  $ tavilo-cli turns --inductance 14 --diameter 2 --length 0.5 --format json\n"
        "  $ tavilo-cli analyze --plate 5000 --antenna 50 --q0 12 --freq 3.5 --power 1000 "
        "--spurious-limit auto --plot tank.svg\n"
        "  $ tavilo-cli bands --plate 5000 --antenna 50 --q0 12 --caps vacuum\n"
        "  $ tavilo-cli pi --batch bands.csv --format json > designs.jsonl\n";
    return text;
}

std::string CommandFooter(const JobLayout& layout) {
    return (layout.takesBatch ? "Batch columns: " + ColumnList(layout) + "\n" : std::string()) +
           "Every value T is a field text: 5k reads as 5, with a warning.\n"
           "'tavilo-cli --help' tells about formats, the Q0 prompt and exit statuses.";
}

}  // namespace tavilo::cli
