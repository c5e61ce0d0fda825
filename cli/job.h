// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A design job: one window command run on the in-memory window for a row of
// field texts. The command line, the batch reader and the writers know a job
// only by its description.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/design_record.h"

namespace tavilo::cli {

// How the command line gives an input.
enum class InputKind {
    FieldText,      // a text read as the window reads a field
    CapsChoice,     // air, vacuum or a number of pF
    FieldTextList,  // comma-separated field texts, one design each
};

// One input of a job: a command-line option and a batch column.
struct InputField {
    std::string_view option;  // long option, without the dashes
    std::string_view column;  // batch column name, and the output's name for it
    std::string_view label;   // readable name, for text output
    std::string_view unit;    // "" when it has none
    InputKind kind = InputKind::FieldText;
};

// One result: its key in JSON (and in CSV, prefixed "text_") and how the text
// output names it.
struct ResultField {
    std::string_view key;
    std::string_view label;
    std::string_view unit;
};

// What a command reports beyond the window's results.
enum class Supplement {
    None,
    NetworkAnalysis,  // analyze: match, harmonics, bandwidth, stress
    MinimumC1Mark,    // bands: whether C1 was held at the capacitor's minimum
    CoilAccuracy,     // turns, inductance: the formula against the current sheet
};

struct JobLayout {
    std::string_view command;  // subcommand name
    std::string_view title;    // heading of the text output
    std::span<const InputField> inputs;
    std::span<const ResultField> results;
    bool hasQ0Bound = false;
    Supplement supplement = Supplement::None;
    bool takesBatch = true;  // --batch FILE
};

// A cell a job cannot use: which input, and why.
struct InputProblem {
    std::size_t input = 0;
    std::string message;
};

class Job {
  public:
    virtual ~Job() = default;
    virtual const JobLayout& Layout() const = 0;
    // Runs the command for the inputs, in the order of Layout().inputs, and
    // fills the record. Returns a problem, and designs nothing, when an input
    // that is not a field text is not one of its choices.
    virtual std::optional<InputProblem> Run(std::span<const std::string> inputs,
                                            DesignRecord& record) = 0;

  protected:
    Job() = default;
    Job(const Job&) = default;
    Job& operator=(const Job&) = default;
};

}  // namespace tavilo::cli
