// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The command line of tavilo-cli: its commands, their options, the help
// text (the man page is made from it) and the reading of the arguments.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/caps_choice.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/network_report.h"
#include "cli/output_writer.h"

namespace tavilo::cli {

struct Options {
    Command command = Command::Pi;
    std::optional<std::string> batch;  // FILE, or "-" for standard input
    std::vector<std::string> inputs;   // one design: the texts, in the job's input order
    CapsChoice caps;                   // pi: --caps, also for empty cap_min_pf cells
    bool raiseQ = false;
    std::optional<OutputFormat> format;
    AnalysisSettings analysis;             // analyze: --power, --spurious-limit
    std::optional<std::string> plotPath;   // analyze: --plot FILE.svg
    std::vector<std::string> frequencies;  // bands: one field text per design
};

// The outcome of reading the arguments: options to run with, or a status and
// the texts to show instead (help, version, or what is wrong).
struct CommandLine {
    std::optional<Options> options;
    ExitStatus status = ExitStatus::Success;
    std::string out;
    std::string err;
};

// args[0] is the program's name.
CommandLine ParseCommandLine(std::span<const std::string> args);

}  // namespace tavilo::cli
