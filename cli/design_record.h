// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// What one design run gives back: its status, the numbers behind the texts a
// window shows, and those texts.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "calc/coil_accuracy.h"
#include "calc/network_analysis.h"
#include "cli/network_report.h"

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

    // Pi, when designed: the solver held C1 at the capacitor's minimum and
    // worked Q0 out again (so Q0 is not the one asked for).
    bool c1AtMinimum = false;
    // Pi, when designed: the network the command designed, in ohms, hertz,
    // farads and henries, as the solver gave it.
    calc::PiNetworkComponents network;
    // Analyze, when designed.
    std::optional<NetworkReport> analysis;
    // Turns and inductance: the winding against the current sheet.
    std::optional<calc::CoilAccuracy> coilAccuracy;
};

}  // namespace tavilo::cli
