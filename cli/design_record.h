// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What one design run gives back: its status, the numbers behind the texts a
// window shows, and those texts.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tavilo::cli {

enum class DesignStatus {
    Designed,  // the command wrote its results
    Q0TooLow,  // the Q0 prompt was answered with Cancel: nothing written
};

// One result: the double the command computed and the text the window shows.
struct ResultValue {
    double number = 0.0;
    std::string text;
};

// Reused from row to row, so that a batch does not allocate for every row.
struct DesignRecord {
    static constexpr std::size_t kMaxResults = 6;

    DesignStatus status = DesignStatus::Designed;
    bool hasQ0Bound = false;
    double q0Bound = 0.0;
    bool q0Raised = false;  // the prompt came and was answered with OK
    double capMinPf = 0.0;  // the form's minimum C1 for this design (pi only)
    std::string message;    // the prompt's text, when the prompt came
    std::size_t resultCount = 0;
    std::array<ResultValue, kMaxResults> results;  // in the job's result order
};

}  // namespace tavilo::cli
